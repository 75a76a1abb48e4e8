// What every command of the main window is given.
#pragma once
#include <windows.h>

struct CommandArgs {
    HWND owner;         // the main window: owner of the command's dialogs and questions
    const char *entry;  // the scheme list's selected entry; null when none is selected
    HWND list;          // the scheme list itself; null when the panel could not be made
};
