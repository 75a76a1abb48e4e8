// Start-up: the edition and the .col association.
#pragma once

// Chooses the edition from the system font's character set and the
// executable's base name, and loads its TitleString; BaseName, the class
// name, keeps what fits of the base name.
void DetectEdition(const char *baseName);
// True when it has just written the association of the program with this
// base name; false when it was kept (or would not fit what win.ini's value
// is read back into, or another program holds the settings).
bool RegisterColAssociation(const char *baseName);
