// Start-up: the edition, the .col association and the working directory.
#pragma once
#include <windows.h>

int DetectEdition(HINSTANCE instance);
unsigned GetSystemFontCharset();
// 1 when it has just written the association, 0 when it was kept.
int RegisterColAssociation();
// WorkDir := the current directory with its backslash. False when that does
// not fit, WorkDir then being left as it was.
bool InitWorkDir();
// Applies one color-set file and its wallpaper, without a window.
void CommandLineApply(const char *argumentText);
// Creates the main window and runs the message loop; returns the exit code.
int WindowedStartup(HINSTANCE instance, HINSTANCE prevInstance, int showCommand, int associationWasNew);
