// The process-wide record that every part of the program reads.
#pragma once
#include <windows.h>

enum {
    kPathCap = 132,      // paths, file names, titles and list entries
    kModulePathLimit = 130,
    kWorkDirCap = 129,  // 127 bytes of a directory, its backslash and the NUL
    kTitleStringCap = 13,
    kBaseNameCap = 16,
    kFileFilterCap = 16,
    kDefaultExtCap = 8,
};

struct AppGlobals {
    int edition;
    char TitleString[kTitleStringCap];
    char BaseName[kBaseNameCap];
    HINSTANCE Instance;
    HINSTANCE PrevInstance;
    HWND MainWindow;
    HWND PanelWindow;
    int PanelWidth;
    int PanelHeight;
    WORD LastSizeType;
    char WorkDir[kWorkDirCap];
    char FileFilter[kFileFilterCap];
    char DefaultExt[kDefaultExtCap];
};

extern AppGlobals g_app;

// Back to the values at process start (used by the Windows-side tests).
void ResetAppGlobals();
// The module whose resources the program loads: Instance, or the running
// executable while Instance is still null (command-line mode).
HINSTANCE ResourceModule();
