// Color-set files of either form, a .col file or a desktop theme: the one
// place that tells them apart, loads them, reads their title, colors and
// wallpaper, and writes them.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include "../core/colorset.h"
#include "../core/messages.h"
#include "../platform/files.h"

// Loads a file whole; any file that is no .col file (a theme in UTF-8 or
// UTF-16) comes in the system code page. On failure it shows the
// out-of-memory box, or the message openFailure with the path, and gives
// false.
bool LoadSetFileText(const char *path, FileText *file, MessageId openFailure);
// Loads path in the system code page (a color-set file as it is, any other
// converted from UTF-8 or UTF-16); false, showing nothing, when it cannot be
// read.
bool LoadTextQuietly(const char *path, FileText *file);
// Loads path when it is a theme, in the system code page; false, showing
// nothing, when it is not one or cannot be read.
bool LoadThemeText(const char *path, FileText *file);

// True, with the title for the running edition (a theme's name in every
// edition), when a loaded text is a color-set file of either form.
bool SetFileTitle(const char *text, const char *path, char *title, size_t cap);
// The colors of a loaded text over base: a .col file's nineteen, every
// color a theme names. Shows the reader's messages; false when the text
// holds no colors to use.
bool SetFileColors(const char *text, const char *path, const WholeColorSet &base, WholeColorSet *set);

enum SetFileWallpaperResult { kNoWallpaper, kWallpaperNamed, kWallpaperTooLong, kWallpaperOffMachine };
// The wallpaper of a loaded text: a .col file's bitmap name (looked for
// beside the program first), a theme's whole path when that file exists
// (themes name files of the systems they were made on). A .col name too
// long to be a file's is cut for display only. A theme's wallpaper on
// another machine is never looked up: OffMachine, with its name.
SetFileWallpaperResult SetFileWallpaper(const char *text, char *name, size_t cap, int32_t *tile);

// The titles of a file to write; null ones are not given.
struct SetFileTitles {
    const char *primary, *sibling, *english;
};
// Writes colors to path in the form its name asks for: a theme (".theme")
// with every color that is not kept and one name (the English title, or in
// the Japanese editions the first title given), or a .col file with its
// nineteen and the titles. With the wallpaper in force when withWallpaper
// (a theme names its whole path, a .col file its name). False after the
// cannot-save message.
bool WriteSetFile(const char *path, const WholeColorSet &colors, const SetFileTitles &titles, bool withWallpaper);

// True, with the title for the running edition, when path is a color-set
// file of either form.
bool ReadColorSetTitle(const char *path, char *title, size_t cap);
// True when set holds the file's nineteen colors over the desktop's current
// ones.
bool ReadColorSetColors(ColorSet *set, const char *path);

// The path of a listed file: the program's directory followed by its name.
// A path that does not fit is refused, never cut: false.
bool ListedFilePath(const char *name, char *path, size_t cap);
// ListedFilePath, which shows the reader's not-found message itself when it
// gives false.
bool ListedFilePathOrTell(const char *name, char *path, size_t cap);
