// About: the edition's About text; the Japanese editions show the logo
// first, and the primary one plays its greeting before the text.
#pragma once
#include "command.h"

void AboutCommand(const CommandArgs &args);
// The greeting: the program puts on its own colors and lets the user keep
// or refuse them, then shows the primary edition's About text.
void GreetingSequence();
