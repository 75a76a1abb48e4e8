#include "winstart.h"

#include "../commands/saveas.h"
#include "../commands/savestate.h"
#include "../core/resource.h"
#include "../messages/msgbox.h"
#include "../state/appstate.h"
#include "mainwnd.h"

static ATOM RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = 0;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, LV_RESOURCE(LVRES_ICON));
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszMenuName = RunningEdition().menu;
    wc.lpszClassName = g_app.BaseName;
    return RegisterClassA(&wc);
}

static int RunMessageLoop(HACCEL accelerators) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (accelerators && TranslateAcceleratorA(g_app.MainWindow, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

int WindowedStartup(HINSTANCE instance, HINSTANCE prevInstance, int showCommand, bool associationWasNew) {
    if (!prevInstance && !RegisterMainClass(instance)) return 0;
    g_app.Instance = instance;
    g_app.PrevInstance = prevInstance;
    InitWorkDir();
    HACCEL accelerators = LoadAcceleratorsA(instance, LV_RESOURCE(LVRES_ACCELERATORS));
    HWND window = CreateWindowExA(0, g_app.BaseName, g_app.TitleString, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    g_app.MainWindow = window;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    if (associationWasNew && ShowMessage(window, kMsgFirstRun, nullptr) == IDYES) {
        FirstRunSave(window);
        RequestListRebuild();  // whether the file was saved or not
    }
    return RunMessageLoop(accelerators);
}
