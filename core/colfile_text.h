// The color-set file format: reading the text of a whole file (title for an
// edition, colors, wallpaper section) and composing the text the program
// writes. Pure code; the file I/O and the messages live in colfile.cpp.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <string>

#include "capacity.h"
#include "colorset.h"
#include "edition.h"

// The title sections of a current-form file, one an edition.
extern const char kSectionPrimary[];  // "[LUMIVANE]"
extern const char kSectionSibling[];  // "[VELTINA]"
extern const char kSectionEnglish[];  // "[ENGLISH]"

enum ColorSetForm { kFormNeither, kFormCurrent, kFormLegacy };
ColorSetForm DetectColorSetForm(const char *text);

// The title of a color-set text for an edition. True when the text is a
// color-set file (title possibly empty); false when it is not, or when it is
// a legacy file without a second line, whose title the edition reads.
bool TitleFromText(const char *text, Edition edition, char *title, size_t cap);

// The title under one title section of a current-form text (cut to cap);
// false, title empty, when the text has no such section.
bool SectionTitle(const char *text, const char *section, char *title, size_t cap);

enum ColorsFromTextResult { kColorsRead, kColorsNotColorSet, kColorsNoList };
// Fills set from current, then from every color line. badLines counts the
// lines that name no element (each is reported to the user).
ColorsFromTextResult ColorsFromText(const char *text, const ColorSet &current, ColorSet *set, int *badLines);

enum WallpaperFromTextResult { kWallpaperRead, kWallpaperNameTooLong };
// The wallpaper section of a current-form text (legacy and other texts give
// an empty name). name is empty and tile 0 when there is none. A name that
// does not fit is cut (for display only) and reported as too long.
WallpaperFromTextResult WallpaperFromText(const char *text, char *name, size_t cap, int32_t *tile);
// The text of a current-form file without the lines of its wallpaper
// sections whose name refused(name) turns down (every other byte kept).
// False, out holding the text as it is, when no line was dropped.
bool DropRefusedWallpapers(const char *text, bool (*refused)(const char *name), std::string *out);

enum ComposeResult { kComposed, kComposeNameTooLong };
// The text of a current-form file, lines ended by CR LF. Null titles have no
// section; a null wallpaper has no wallpaper section; a kept element has no
// line (the file keeps the desktop's color for it). Titles longer than
// kMaxTitleBytes are cut at a character boundary; a wallpaper name longer
// than kMaxWallpaperNameBytes is refused (a cut name names another file).
ComposeResult ComposeColorSetFile(const ColorSet &colors, const char *primary, const char *sibling,
                                  const char *english, const char *wallpaper, int32_t tile, std::string *out);

// The text of a current-form file with the colors that differ from before
// to after written into it: the line that sets such an element (the last
// one naming it in the color list) rewritten, or a line added at the end of
// the list. Every other byte stays. False, out holding the text as it was,
// when the text is not a current-form file with a color list.
bool PatchColorSetText(const std::string &text, const ColorSet &before, const ColorSet &after, std::string *out);
