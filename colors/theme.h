// Desktop theme files on disk: their name as the list shows it, their
// wallpaper, and saving the colors on screen as one.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include "../core/colorset.h"

// The theme's name: its DisplayName, the resource string when it names one
// ("@module,-id") that can be loaded, else the file's base name. Display
// text: cut to cap.
void ThemeTitle(const char *text, const char *path, char *title, size_t cap);
// Found, with the full path and the tile flag, when the theme names a
// wallpaper file that exists. Environment variables in the path are
// expanded; a path that does not fit is refused, never cut. OffMachine,
// with the expanded name (cut to cap), when it would be looked for on
// another machine or a device: it is never looked up.
enum ThemeWallpaperResult { kThemeWallpaperNone, kThemeWallpaperFound, kThemeWallpaperOffMachine };
ThemeWallpaperResult ThemeWallpaper(const char *text, char *path, size_t cap, int32_t *tile);

// Writes a theme file, every color that is not kept; false after the
// cannot-save message.
bool WriteThemeFile(const WholeColorSet &colors, const char *path, const char *name, const char *wallpaper,
                    int32_t tile);
