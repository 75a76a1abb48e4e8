// Color-set files on disk: written through a temporary file, read whole,
// with the messages of each failure.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include <string>

#include "../core/colfile_text.h"
#include "../core/colorset.h"
#include "../core/messages.h"
#include "../platform/files.h"

// Writes a current-form file. Null titles have no section; a null wallpaper
// has no wallpaper section. False after the cannot-save message.
bool WriteColorSetFile(const ColorSet &colors, const char *path, const char *primary, const char *sibling,
                       const char *english, const char *wallpaper, int32_t tile);
// Writes a composed text (a color-set file's, a theme's) to path through a
// temporary file and one rename. False after the cannot-save message when
// it could not be composed or written.
bool WriteComposedText(const char *path, ComposeResult composed, const std::string &text);

// Loads a color-set file whole; any other file in UTF-8 or UTF-16 comes in
// the system code page. On failure it shows the out-of-memory box, or the
// message openFailure with the path, and gives false.
bool LoadColorSetText(const char *path, FileText *file, MessageId openFailure);
// Loads path in the system code page (a color-set file as it is, any other
// converted from UTF-8 or UTF-16); false, showing nothing, when it cannot be
// read.
bool LoadTextQuietly(const char *path, FileText *file);
// Loads path when it is a theme, in the system code page; false, showing
// nothing, when it is not one or cannot be read.
bool LoadThemeText(const char *path, FileText *file);
// The colors of a loaded text (a color-set file's, or a theme's) over base
// (the elements the text does not name keep base's values), showing the
// reader's messages: false when the text holds no colors to use.
bool ColorsOfColorSetText(const char *text, const char *path, const ColorSet &base, ColorSet *set);

// True, with the title for the running edition, when path is a color-set
// file, or a theme (its name in every edition).
bool ReadColorSetTitle(const char *path, char *title, size_t cap);
// True when set holds the file's colors over the desktop's current ones.
bool ReadColorSetColors(ColorSet *set, const char *path);

// The program's directory followed by the name of a listed file. A path
// that does not fit is refused, never cut: this shows the reader's
// not-found message itself and gives false.
bool ListedFilePathOrTell(const char *name, char *path, size_t cap);
