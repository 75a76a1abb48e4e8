// What every command of the main window is given.
#pragma once
#include <windows.h>

// The message that has the panel rebuild its list (sent to the list's
// parent, the panel; it returns when the list is complete).
enum { WM_REBUILDLIST = WM_APP };

struct CommandArgs {
    HWND owner;         // the main window: owner of the command's dialogs and questions
    const char *entry;  // the scheme list's selected entry; null when none is selected
    HWND list;          // the scheme list itself; null when the panel could not be made
};

// Has the panel rebuild its list, as after a file was saved.
inline void RebuildList(const CommandArgs &args) {
    if (args.list) SendMessageA(GetParent(args.list), WM_REBUILDLIST, 0, 0);
}
