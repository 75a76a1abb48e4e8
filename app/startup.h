// Start-up: the edition, the .col association and the sweep of leftover temporary files.
#pragma once

// Chooses the edition from the system font's character set and the
// executable's base name, and loads its TitleString; BaseName, the class
// name, keeps what fits of the base name.
void DetectEdition(const char *baseName);
// True when it has just written the association of the program with this
// base name; false when it was kept (or would not fit what win.ini's value
// is read back into, or another program holds the settings).
bool RegisterColAssociation(const char *baseName);
// Removes the temporary files that writers of the program left in the
// Windows directory (profile files) and beside the program (color-set files)
// when they were killed.
void SweepStrayTempFiles();
