// Add Color Set: a small file chooser over directories and drives, and the
// import of the chosen file into the program's directory.
#pragma once
#include <windows.h>

#include "../platform/win32.h"
#include "command.h"

void AddColorSetCommand(const CommandArgs &args);
// Copies source into destination through a temporary file beside it, after
// asking before it replaces a file. 1 when the file was copied into place;
// 0 after a message, or on No, with the destination as it was.
int ImportFile(const char *destination, const char *source);

LV_EXPORT INT_PTR CALLBACK AddDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
