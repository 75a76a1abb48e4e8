// Color-set files of either form, a .col file (current or legacy form) or a
// desktop theme: which form a text is, which form a name is saved in, and
// the colors of either. Pure code.
#pragma once
#include "colorset.h"

enum SetFileForm { kSetFileNone, kSetFileCurrent, kSetFileLegacy, kSetFileTheme };
// The form of a whole text in the system code page.
SetFileForm SetFileFormOf(const char *text);
// The form a file of this name is written in: a theme for ".theme" (in any
// case), a current-form color-set file for any other name.
SetFileForm SetFileFormForName(const char *path);

enum SetFileColorsResult { kSetColorsRead, kSetColorsNotColorSet, kSetColorsNoList, kSetColorsNoneNamed };
// The colors of a text over base: a color-set file's nineteen (every other
// element as base has it; badLines counts the lines that name no element),
// or every color a theme names well.
SetFileColorsResult SetFileColorsFromText(const char *text, const WholeColorSet &base, WholeColorSet *set,
                                          int *badLines);
