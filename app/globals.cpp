#include "globals.h"

#include <string.h>

AppGlobals g_app = {1, "", "", nullptr, nullptr, nullptr, nullptr, -1, -1, 0, "", "*.col", ".col"};

void ResetAppGlobals() {
    static const AppGlobals initial = {1, "", "", nullptr, nullptr, nullptr, nullptr, -1, -1, 0, "", "*.col", ".col"};
    g_app = initial;
}

HINSTANCE ResourceModule() { return g_app.Instance ? g_app.Instance : GetModuleHandleA(nullptr); }
