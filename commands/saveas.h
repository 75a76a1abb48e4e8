// Save As: the colors now on screen as a new color-set file, with the
// titles of the edition's title fields and, when asked, the wallpaper; and
// the first-run save of the windowed start-up.
#pragma once
#include <windows.h>

#include "../core/colorset.h"
#include "../platform/win32.h"
#include "command.h"

void SaveAsCommand(const CommandArgs &args);
// Proposes owners.col and the owners' titles, then runs Save As.
void FirstRunSave(HWND owner);
// Writes the colors (a kept one has no line), with the titles of SaveState
// and the wallpaper when asked for, to SaveState's file name: a theme for a
// name ending in ".theme", else a color-set file (its nineteen colors).
// False when nothing was written (the writer has told why).
bool SaveColors(const WholeColorSet &colors);
bool SaveColors(const ColorSet &colors);  // the nineteen, the others kept
// Save As for the colors given, every color on screen when none are: the
// dialog, then the file. True, with the saved file's full path, when the
// file was written (the writer tells a failure itself).
bool SaveColorsAs(HWND owner, const ColorSet *colors, char *savedPath, size_t cap);

LV_EXPORT INT_PTR CALLBACK SaveAsDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
