// Installing color-set files as control-panel schemes.
#pragma once
#include "../colors/schemes.h"
#include "command.h"

// Installs the file of one file entry under its file name; a file that
// cannot be read or named is skipped after its message.
InstallOutcome InstallFileEntry(const char *entry);
// Add selected file into system: the selected entry.
void InstallSelectedCommand(const CommandArgs &args);
// Add all files into system: every file entry of the list.
void InstallAllCommand(const CommandArgs &args);
