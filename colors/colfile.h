// Color-set files (.col) written to disk.
#pragma once
#include <stdint.h>

#include "../core/colorset.h"

// Writes a current-form file through a temporary file: the nineteen colors
// (a kept one has no line). Null titles have no section; a null wallpaper
// has no wallpaper section. False after the cannot-save message.
bool WriteColorSetFile(const ColorSet &colors, const char *path, const char *primary, const char *sibling,
                       const char *english, const char *wallpaper, int32_t tile);
