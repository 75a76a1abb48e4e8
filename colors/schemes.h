// The control panel's named color schemes in control.ini "COLOR SCHEMES".
#pragma once
#include <windows.h>

#include "../core/colorset.h"

// Adds "[SYSTEM]" TAB name for every scheme to the list box.
void ListSchemes(HWND listBox);
// The scheme's colors over base (the six elements a scheme line does not
// hold keep base's values).
bool ReadScheme(const ColorSet &base, ColorSet *set, const char *key);
// IDYES when written; IDNO or IDCANCEL when the user kept the old scheme.
// When the write fails, IDNO; when another program holds the settings,
// IDCANCEL (each after its message).
int WriteScheme(const ColorSet &set, const char *key);
