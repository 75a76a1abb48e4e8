// Desktop theme files (.theme): the color scheme, wallpaper and name they
// carry, read from the text of a whole file in the system code page (the
// platform converts UTF-8 and UTF-16 files first), and the text the program
// writes. An INI-style text: sections and keys match whole, without regard
// to the case of ASCII letters. Pure code.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <string>

#include "colfile_text.h"
#include "colorset.h"

extern const char kThemeSectionDesktop[];  // "Control Panel\Desktop"
extern const char kThemeSectionTheme[];    // "Theme"
extern const char kThemeExtension[];       // ".theme"

// A theme: a text that begins with neither color-set header and holds a
// [Control Panel\Colors] section.
bool IsThemeText(const char *text);

// True when the file name ends in ".theme", in any case.
bool HasThemeExtension(const char *path);

enum ThemeValueResult { kThemeValueAbsent, kThemeValueRead, kThemeValueTooLong };
// The first value of key in the section: the text after "=" and any blanks,
// up to the line end, with trailing blanks dropped. A value that does not
// fit is refused, never cut: value is then empty.
ThemeValueResult ThemeValue(const char *text, const char *section, const char *key, char *value, size_t cap);

// Fills set from base, then from the lines of the colors section that name
// an element whole, in any case, with three numbers from 0 to 255 (the
// first such line of an element counts; a badly given color leaves the
// element as base has it). The number of elements taken.
int ThemeColorsFromText(const char *text, const WholeColorSet &base, WholeColorSet *set);

// The text of a theme with the colors that differ from before to after
// written into it: the value of the line the reader takes for such an
// element rewritten, or a line added after the colors section's last key.
// Every other byte stays. False, out holding the text as it was, when the
// text is no theme.
bool PatchThemeText(const std::string &text, const WholeColorSet &before, const WholeColorSet &after,
                    std::string *out);

// The text of a theme, lines ended by CR LF: its name (cut at a line end),
// every color as "Name=R G B" (a kept one has no line), and the wallpaper
// and tile flag when a wallpaper is given. A wallpaper of more than one line
// is refused.
ComposeResult ComposeThemeFile(const WholeColorSet &colors, const char *name, const char *wallpaper, int32_t tile,
                               std::string *out);
