// The link between a color set and the running desktop and win.ini.
#pragma once
#include "../core/colorset.h"
#include "../platform/profile.h"

void CaptureColors(ColorSet *set);
ColorSet DesktopColorSet();  // the same, as a value
// Puts the set on the desktop, the colors found there kept for Undo Apply.
void ApplyColors(const ColorSet &set);
// Puts colors back without keeping anything: the editor's Cancel.
void PutColorsBack(const ColorSet &set);
// Undo Apply: the colors before the last apply of this run, back on the
// desktop (files, wallpaper and profiles are not touched). False when no
// apply is left to take back.
bool UndoLastApply();
// Writes the nineteen keys of win.ini "colors", all or none of them when the
// settings are locked by another program.
ProfileWrite WriteColorsToWinIni(const ColorSet &set);
// Empties control.ini "CURRENT" / "COLOR SCHEMES".
ProfileWrite ClearCurrentScheme();
