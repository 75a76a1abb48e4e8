// About: the edition's About text; the Japanese editions show the logo
// first, and the primary one plays its greeting before the text.
#pragma once
#include "command.h"

void AboutCommand(const CommandArgs &args);
