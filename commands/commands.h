// The commands of the main window's menu.
#pragma once
#include <windows.h>

// Save As (411) and the first-run save.
void SaveAsCommand(HWND owner);
void FirstRunSave(HWND owner);
// Add Color Set (415).
void AddColorSetCommand(HWND owner);
// Delete Color Set (416) and Fix With Current Color (414).
void DeleteColorSetCommand(HWND owner);
void FixWithCurrentColorCommand(HWND owner);
// The install commands (417, 418), given the panel.
int InstallFileEntry(const char *entry);
void InstallSelected(HWND panel);
void InstallAll(HWND panel);
// About (413): the edition's About text, with the logo (owned by owner) and
// the greeting in the Japanese editions.
void AboutCommand(HWND owner, HINSTANCE instance, HINSTANCE prevInstance);
