// Started without a file name: the main window and the message loop.
#pragma once
#include <windows.h>

// Creates the main window, asks the first-run question when the association
// was new, and runs the message loop; returns the exit code.
int WindowedStartup(HINSTANCE instance, HINSTANCE prevInstance, int showCommand, bool associationWasNew);
