// Installing color-set files as control-panel schemes.
#pragma once
#include "command.h"

// Installs the file of one file entry under its file name. The answer of
// the overwrite question: IDYES when written, IDNO or IDCANCEL when not.
int InstallFileEntry(const char *entry);
// Add selected file into system: the selected entry.
void InstallSelectedCommand(const CommandArgs &args);
// Add all files into system: every file entry of the list.
void InstallAllCommand(const CommandArgs &args);
