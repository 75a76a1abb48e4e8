#include "appstate.h"

#include "../core/mbtext.h"
#include "../platform/win32.h"

static const AppGlobals kAtStart = {
    .edition = kEditionSibling,
    .TitleString = "",
    .BaseName = "",
    .Instance = nullptr,
    .PrevInstance = nullptr,
    .MainWindow = nullptr,
    .PanelWindow = nullptr,
    .PanelWidth = -1,  // no panel yet
    .PanelHeight = -1,
    .LastSizeType = 0,  // restored
    .WorkDir = "",
    .FileFilter = "*.col",
    .DefaultExt = ".col",
};

AppGlobals g_app = kAtStart;

void ResetAppGlobals() { g_app = kAtStart; }

const EditionProfile &RunningEdition() { return kEditions[g_app.edition]; }

HINSTANCE ResourceModule() { return g_app.Instance ? g_app.Instance : GetModuleHandleA(nullptr); }

bool InitWorkDir() {
    // At most 127 bytes of directory, then its backslash. A directory that
    // does not fit leaves WorkDir as it was.
    char dir[kWorkDirCap];
    bool taken = GetCurrentDir(dir, kWorkDirCap - 1) &&
                 (EndsWithChar(dir, '\\') || AppendText(dir, sizeof dir, "\\")) &&
                 CopyText(g_app.WorkDir, sizeof g_app.WorkDir, dir);
    if (!EndsWithChar(g_app.WorkDir, '\\')) AppendText(g_app.WorkDir, sizeof g_app.WorkDir, "\\");
    return taken;
}
