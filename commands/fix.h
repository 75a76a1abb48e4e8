// Fix With Current Color: makes the colors on screen permanent in win.ini
// after a question.
#pragma once
#include "command.h"

void FixWithCurrentColorCommand(const CommandArgs &args);
