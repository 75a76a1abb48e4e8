#include "savestate.h"

#include "../core/mbtext.h"
#include "../platform/win32.h"

SaveStateRecord g_saveState = {};

void SavedText::Set(const char *value) {
    present = true;
    CopyTextCut(text, sizeof text, value);
}

static const AddStateRecord kAddAtStart = {
    .WorkDir = "",
    .FileFilter = "*.col",
    .DefaultExt = ".col",
};

AddStateRecord g_addState = kAddAtStart;

void ResetSaveState() {
    g_saveState = {};
    g_addState = kAddAtStart;
}

bool InitWorkDir() {
    // At most 127 bytes of directory, then its backslash. A directory that
    // does not fit leaves WorkDir as it was.
    char dir[kWorkDirCap];
    bool taken = GetCurrentDir(dir, kWorkDirCap - 1) &&
                 (EndsWithChar(dir, '\\') || AppendText(dir, sizeof dir, "\\")) &&
                 CopyText(g_addState.WorkDir, sizeof g_addState.WorkDir, dir);
    if (!EndsWithChar(g_addState.WorkDir, '\\')) AppendText(g_addState.WorkDir, sizeof g_addState.WorkDir, "\\");
    return taken;
}
