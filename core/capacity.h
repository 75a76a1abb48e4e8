// The capacities of the program's text buffers, in bytes with the
// terminating NUL, each named after what its buffers hold. Pure.
#pragma once

enum {
    // A path, a file name, a title or a file entry of the scheme list: the
    // program's short buffers, which hold at most 131 bytes of text.
    kPathCap = 132,
    // The most of a module path or directory that is read into kPathCap.
    kModulePathLimit = 130,
    // A full path as the platform gives one, or a wallpaper's file name.
    kFullPathCap = 260,
    // A list entry, a scheme line, a profile value or a string-table entry
    // used as a format.
    kLineCap = 260,
    // A composed message: two full paths and the longest text.
    kMessageCap = 1024,
    // The joined strings of a run, and one string of it.
    kRunCap = 652,
    kRunEntryLimit = 130,

    // Fields of the process-wide record.
    kTitleStringCap = 13,
    kBaseNameCap = 16,
    kWorkDirCap = 129,  // 127 bytes of a directory, its backslash
    kFileFilterCap = 16,
    kDefaultExtCap = 8,

    // What a line of a color-set file can carry.
    kMaxTitleBytes = 129,
    kMaxWallpaperNameBytes = 118,  // "Wallpaper= " stands before it
};
