// The desktop wallpaper: the one in force, and applying a named bitmap.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

// True, with the file name (no directory) and the tile flag, when a
// wallpaper is in force; false, writing neither, when none is.
bool ReadCurrentWallpaper(char *name, size_t cap, int32_t *tile);
// The same with the setting's whole path; false too when it does not fit.
bool ReadCurrentWallpaperPath(char *path, size_t cap, int32_t *tile);
// True when a wallpaper named inside a file would be looked for on another
// machine or a device: a network or device path, or a name that leaves a
// directory the look-up searches (the current and the program's directory,
// the system and the Windows directory, PATH) for such a place. Decided
// from the text, before anything looks the name up.
bool IsWallpaperOffMachine(const char *name);
// Finds the bitmap (from the program's directory first: this makes the
// program's directory the current one, and leaves it so), records the tile
// flag, sets the wallpaper and repaints. A missing file, one that is no
// picture or one the system refuses to show, and a name off the machine
// (never looked up), are reported in a box owned by owner, with nothing
// written.
void ApplyWallpaper(HWND owner, const char *fileName, int32_t tile);
