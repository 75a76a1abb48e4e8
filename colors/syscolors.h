// The link between a color set and the running desktop and win.ini.
#pragma once
#include "../core/colorset.h"

void CaptureColors(ColorSet *set);
void ApplyColors(const ColorSet &set);
// Writes the nineteen keys of win.ini "colors". False when a write failed.
bool WriteColorsToWinIni(const ColorSet &set);
// Empties control.ini "CURRENT" / "COLOR SCHEMES". False when the write failed.
bool ClearCurrentScheme();
