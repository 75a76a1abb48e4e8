// The color-set editor: the selected entry's colors in a sample scene and by
// name, changed one element at a time with the system's color chooser, the
// contrast of the texts on their backgrounds, an Apply that Cancel takes
// back, and saves.
#pragma once
#include "command.h"

void EditColorSetCommand(const CommandArgs &args);
