// The main window: a fixed frame around the scheme list panel, and the
// command switch.
#pragma once
#include <windows.h>

#include "../platform/win32.h"

LV_EXPORT LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Has the panel rebuild its list; returns when the list is complete.
void RequestListRebuild();
