// Add Color Set: a small file chooser over directories and drives, and the
// import of the chosen file into the program's directory.
#pragma once
#include <windows.h>

#include "../platform/win32.h"
#include "command.h"

void AddColorSetCommand(const CommandArgs &args);

LV_EXPORT INT_PTR CALLBACK AddDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
