// Reading and writing color-set files, with the messages of each failure.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "colorset.h"

// Writes a current-form file. Null titles have no section; a null wallpaper
// has no wallpaper section. 0 after the cannot-save message.
int WriteColorSetFile(const ColorSet &colors, const char *path, const char *primary, const char *sibling,
                      const char *english, const char *wallpaper, int32_t tile);
// 1 and the title for the running edition when path is a color-set file.
int ReadColorSetTitle(const char *path, char *title, size_t cap);
// 1 when set holds the file's colors over the desktop's current ones.
int ReadColorSetColors(ColorSet *set, const char *path);
// 1 when the file was read; name empty when it names no wallpaper. A name
// too long to be the wallpaper's is reported as missing, in a box owned by
// owner, like a wallpaper that is not found.
int ReadColorSetWallpaper(HWND owner, const char *path, char *name, size_t cap, int32_t *tile);
