// The control panel's named color schemes in control.ini "COLOR SCHEMES".
#pragma once
#include <windows.h>

#include "../core/colorset.h"

// Adds "[SYSTEM]" TAB name for every scheme to the list box.
void ListSchemes(HWND listBox);
// The scheme's colors over base (the six elements a scheme line does not
// hold keep base's values).
bool ReadScheme(const ColorSet &base, ColorSet *set, const char *key);
// What became of one scheme to install, and whether Install all goes on.
enum InstallOutcome {
    kInstalled,       // written
    kInstallSkipped,  // kept as it was (the user said No, or a failed write was told)
    kInstallStopAll,  // the user cancelled, or another program holds the settings
};

// Writes the scheme, asking first when the key is installed already.
InstallOutcome WriteScheme(const ColorSet &set, const char *key);
