#include "appstate.h"

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
};

AppGlobals g_app = kAtStart;

void ResetAppGlobals() { g_app = kAtStart; }

const EditionProfile &RunningEdition() { return kEditions[g_app.edition]; }

HINSTANCE ResourceModule() { return g_app.Instance ? g_app.Instance : GetModuleHandleA(nullptr); }
