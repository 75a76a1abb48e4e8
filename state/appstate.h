// The process-wide record that every part of the program reads, and the
// module whose resources the program loads.
#pragma once
#include <windows.h>

#include "../core/capacity.h"
#include "../core/edition.h"

struct AppGlobals {
    Edition edition;
    char TitleString[kTitleStringCap];  // caption of the window and boxes
    char BaseName[kBaseNameCap];        // the main window's class name
    HINSTANCE Instance;
    HINSTANCE PrevInstance;
    HWND MainWindow;
    HWND PanelWindow;
    int PanelWidth;
    int PanelHeight;
    WORD LastSizeType;
};

extern AppGlobals g_app;

// Back to the values at process start (used by the Windows-side tests).
void ResetAppGlobals();
// What the running edition does differently.
const EditionProfile &RunningEdition();
// The module whose resources the program loads: Instance, or the running
// executable while Instance is still null (command-line mode).
HINSTANCE ResourceModule();
