// The link between a color set and the running desktop and win.ini.
#pragma once
#include "../core/colorset.h"
#include "../platform/profile.h"

void CaptureColors(ColorSet *set);
ColorSet DesktopColorSet();  // the same, as a value
void ApplyColors(const ColorSet &set);
// Writes the nineteen keys of win.ini "colors", all or none of them when the
// settings are locked by another program.
ProfileWrite WriteColorsToWinIni(const ColorSet &set);
// Empties control.ini "CURRENT" / "COLOR SCHEMES".
ProfileWrite ClearCurrentScheme();
