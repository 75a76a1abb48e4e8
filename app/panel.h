// The scheme list panel: the color-set files of the program's directory
// under their titles, then the control panel's schemes; applies an entry.
#pragma once
#include <windows.h>

#include "../commands/command.h"
#include "../platform/win32.h"

// Titles and scheme names start at this tab stop (dialog units).
enum { kSchemeTabStop = 64 };

LV_EXPORT INT_PTR CALLBACK MainPanelDlg(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

// True while the list is being rebuilt: commands that act on its entries
// are ignored meanwhile.
bool SchemeListIsBuilding();
// Applies a file entry's file (its wallpaper's messages owned by the panel)
// or a system entry's scheme; other entries are ignored.
void ApplyListEntry(HWND panel, const char *entry);
