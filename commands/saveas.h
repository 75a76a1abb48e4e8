// Save As: the colors now on screen as a new color-set file, with the
// titles of the edition's title fields and, when asked, the wallpaper; and
// the first-run save of the windowed start-up.
#pragma once
#include <windows.h>

#include "../platform/win32.h"
#include "command.h"

void SaveAsCommand(const CommandArgs &args);
// Proposes owners.col and the owners' titles, then runs Save As.
void FirstRunSave(HWND owner);
// Captures the screen's colors and writes them, with the titles of
// SaveState and the wallpaper when asked for, to SaveState's file name.
void SaveCurrentColors();

LV_EXPORT INT_PTR CALLBACK SaveAsDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
