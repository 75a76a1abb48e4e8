// Save As: the colors now on screen as a new color-set file, with the
// titles of the edition's title fields and, when asked, the wallpaper; and
// the first-run save of the windowed start-up.
#pragma once
#include <windows.h>

#include <string>

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
// dialog, then the file; theme, when given, is the text written for a name
// that asks for a theme (a theme's own text, edited). Saved gives the saved
// file's full path (the writer tells a failure itself).
enum SaveAsOutcome { kSaveAsCancelled, kSaveAsFailed, kSaveAsSaved };
SaveAsOutcome SaveColorsAs(HWND owner, const WholeColorSet *colors, char *savedPath, size_t cap,
                           const std::string *theme = nullptr);
// What the next Save As proposes: name, which is to save the file at
// fullPath; when name taken from WorkDir would name another file, the full
// path itself.
void ProposeSaveName(const char *name, const char *fullPath);

LV_EXPORT INT_PTR CALLBACK SaveAsDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
