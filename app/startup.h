// Start-up: the edition, the .col association and the working directory.
#pragma once
#include <windows.h>

int DetectEdition(HINSTANCE instance);
// The running executable's file name without directory and extension,
// whole. False (base empty) when the module path holds no '.' or the name
// does not fit.
bool ProgramBaseName(char *base, size_t cap);
unsigned GetSystemFontCharset();
// 1 when it has just written the association of the program with this base
// name, 0 when it was kept (or would not fit what win.ini's value is read
// back into).
int RegisterColAssociation(const char *baseName);
// WorkDir := the current directory with its backslash. False when that does
// not fit, WorkDir then being left as it was.
bool InitWorkDir();
// Applies one color-set file and its wallpaper, without a window.
void CommandLineApply(const char *argumentText);
// Creates the main window and runs the message loop; returns the exit code.
int WindowedStartup(HINSTANCE instance, HINSTANCE prevInstance, int showCommand, int associationWasNew);
