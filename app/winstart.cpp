// Started without a file name: the main window and the message loop.
#include "../commands/commands.h"
#include "../resources/messages.h"
#include "../resources/strings.h"
#include "globals.h"
#include "startup.h"
#include "window.h"

ATOM RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = 0;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "LUMVICON");
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszMenuName = g_app.edition == 2 ? "lumvenglish" : "lumvmenu";
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

int WindowedStartup(HINSTANCE instance, HINSTANCE prevInstance, int showCommand, int associationWasNew) {
    if (!prevInstance && !RegisterMainClass(instance)) return 0;
    g_app.Instance = instance;
    g_app.PrevInstance = prevInstance;
    InitWorkDir();
    HACCEL accelerators = LoadAcceleratorsA(instance, "LumvAccel");
    HWND window = CreateWindowExA(0, g_app.BaseName, g_app.TitleString, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    g_app.MainWindow = window;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    if (associationWasNew == 1 &&
        ShowTitledMessage(window, MessageText(kMsgFirstRun, g_app.edition), MB_YESNO) == IDYES)
        FirstRunSave(window);
    return RunMessageLoop(accelerators);
}
