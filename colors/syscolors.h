// The link between a color set and the running desktop and win.ini.
#pragma once
#include "../core/colorset.h"
#include "../platform/profile.h"

// The nineteen elements of a color-set file as the desktop has them.
ColorSet DesktopColorSet();
// Puts the set on the desktop, the colors found there kept for Undo Apply.
void ApplyColors(const ColorSet &set);
// Every element of the desktop, and the same as a value.
void CaptureColors(WholeColorSet *set);
WholeColorSet DesktopWholeColors();
// Sets every element that is not kept in one call, the colors found on the
// desktop kept for Undo Apply; the others keep the desktop's colors. The
// elements the desktop took, with the colors it shows now; an element it
// did not take (one the system does not keep, such as ButtonAlternateFace
// under Wine) is kept in the result.
WholeColorSet ApplyColors(const WholeColorSet &set);
// Puts colors back without keeping anything: the editor's Cancel.
void PutColorsBack(const WholeColorSet &set);
// Undo Apply: the colors before the last apply of this run, back on the
// desktop (files, wallpaper and profiles are not touched). False when no
// apply is left to take back.
bool UndoLastApply();
// Writes a key of win.ini "colors" for every element that is not kept (the
// nineteen of a color-set file, then the others), all or none of them when
// the settings are locked by another program.
ProfileWrite WriteColorsToWinIni(const WholeColorSet &set);
// Empties control.ini "CURRENT" / "COLOR SCHEMES".
ProfileWrite ClearCurrentScheme();
