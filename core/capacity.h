// The capacities of the program's text buffers, in bytes with the
// terminating NUL, each named after what its buffers hold and where its
// number comes from. Pure.
#pragma once
#include <stddef.h>

// A path, a file name, a title or a file entry of the scheme list: the
// short buffers of the color-set format and the list, which hold at
// most 131 bytes of text (the 130 read from the platform, then a NUL,
// with one byte to spare).
inline constexpr size_t kPathCap = 132;
// The most of a module path or directory that is read into kPathCap.
inline constexpr size_t kModulePathLimit = 130;
// A full path as the platform gives one (MAX_PATH), or a wallpaper's
// file name as win.ini may hold it.
inline constexpr size_t kFullPathCap = 260;
// A list entry, a scheme line (13 numbers of 8 digits and 12 commas
// need 116) or a profile value: the scheme store's 260-byte buffers.
inline constexpr size_t kLineCap = 260;
// A composed message: two full paths and the longest text of the
// catalogue, with room to spare.
inline constexpr size_t kMessageCap = 1024;
// A run of the string table: six strings of at most 129 bytes, each
// followed by two line feeds (the longest run, the English About text,
// needs far less), and one string of it as LoadStringA reads it.
inline constexpr size_t kRunCap = 652;
inline constexpr size_t kRunEntryLimit = 130;
// A dialog field's text kept between two dialogs: more than any path
// (260) or title line (129) can use; a longer one is cut.
inline constexpr size_t kFieldTextCap = 1024;

// Fields of the process-wide record, each the size the start-up code
// and the dialogs have always given it.
inline constexpr size_t kTitleStringCap = 13;  // the longest title string, "ヴェルティナ", is 12 bytes
inline constexpr size_t kBaseNameCap = 16;     // the main window's class name: 15 bytes of the base name
inline constexpr size_t kWorkDirCap = 129;     // 127 bytes of a directory, its backslash
inline constexpr size_t kFileFilterCap = 16;   // the Add dialog's pattern: 15 bytes
inline constexpr size_t kDefaultExtCap = 8;    // a default extension: 7 bytes with its '.'

// What a line of a color-set file can carry: the writer's 132-byte line
// buffer less CR, LF and NUL, and for the wallpaper also "Wallpaper= ".
inline constexpr size_t kMaxTitleBytes = 129;
inline constexpr size_t kMaxWallpaperNameBytes = 118;
