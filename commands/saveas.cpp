// Save As: placeholder until the dialog lands.
#include "../app/window.h"
#include "commands.h"

void SaveAsCommand(HWND owner) {}
void FirstRunSave(HWND owner) { RequestListRebuild(); }
