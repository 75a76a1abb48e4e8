// Color-set files on disk: written through a temporary file, read whole,
// with the messages of each failure.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include "../core/colorset.h"
#include "../core/messages.h"
#include "../platform/files.h"

// Writes a current-form file. Null titles have no section; a null wallpaper
// has no wallpaper section. 0 after the cannot-save message.
int WriteColorSetFile(const ColorSet &colors, const char *path, const char *primary, const char *sibling,
                      const char *english, const char *wallpaper, int32_t tile);

// Loads a color-set file whole; any other file in UTF-8 or UTF-16 comes in
// the system code page. On failure it shows the out-of-memory box, or the
// message openFailure with the path, and gives false.
bool LoadColorSetText(const char *path, FileText *file, MessageId openFailure);
// Loads path when it is a theme, in the system code page; false, showing
// nothing, when it is not one or cannot be read.
bool LoadThemeText(const char *path, FileText *file);
// The colors of a loaded text (a color-set file's, or a theme's) over the
// desktop's current ones, showing the reader's messages: 0 when the text
// holds no colors to use.
int ColorsOfColorSetText(const char *text, const char *path, ColorSet *set);

// 1 and the title for the running edition when path is a color-set file,
// or a theme (its name in every edition).
int ReadColorSetTitle(const char *path, char *title, size_t cap);
// 1 when set holds the file's colors over the desktop's current ones.
int ReadColorSetColors(ColorSet *set, const char *path);

// The program's directory followed by the name of a listed file. A path
// that does not fit is refused with the reader's not-found message, never
// cut.
bool ColorSetFilePath(const char *name, char *path, size_t cap);
