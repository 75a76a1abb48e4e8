// The About texts and the primary edition's greeting.
#pragma once

// The run from firstId in one box: no owner, OK, no icon.
void ShowAboutMessage(int firstId);
// The greeting: the program puts on its own colors and lets the user keep
// or refuse them, then shows the primary edition's About text.
void GreetingSequence();
