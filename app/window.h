// The main window, its scheme list panel and the windowed start-up.
#pragma once
#include <windows.h>

enum { WM_REBUILDLIST = WM_USER };
enum { kSchemeTabStop = 64 };

// The window and dialog procedures are exported by name.
#define LV_EXPORT extern "C" __declspec(dllexport)

LV_EXPORT LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LV_EXPORT INT_PTR CALLBACK MainPanelDlg(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

HWND CreatePanel(HWND mainWindow);
void DispatchCommand(HWND mainWindow, WPARAM wParam);
// Has the panel rebuild its list; returns when the list is complete.
void RequestListRebuild();
ATOM RegisterMainClass(HINSTANCE instance);

int BuildSchemeList(HWND panel);
// True while the list is being rebuilt: commands that act on its entries
// are ignored meanwhile.
bool SchemeListIsBuilding();
void ApplySelectedEntry(HWND panel);
