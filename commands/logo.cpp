// The logo window of the About command. It runs a message loop of its own
// and owns the program's only timer.
#include "logo.h"

#include <stdint.h>

#include "../core/resource.h"
#include "../platform/gdi.h"

namespace {

// The window class bears the picture's name.
const char kLogoClass[] = LV_RESOURCE(LVRES_LOGO);
const char kLogoBitmap[] = LV_RESOURCE(LVRES_LOGO);
const char kLogoTitle[] = "Lumivane Logo";
// A visible pop-up with a thin border and no caption; the platform makes it
// a top-level window owned by the main window.
const DWORD kLogoStyle = WS_POPUP | WS_CHILD | WS_VISIBLE | WS_BORDER;
const UINT_PTR kLogoTimerEvent = 0;
const int kRevealStep = 2;

struct LogoState {
    HBITMAP bitmap;
    int width;
    int height;
    int32_t revealedWidth;
    bool done;
    UINT_PTR timer;  // what SetTimer returned: nonzero while the tick runs
    bool classTried;
};

LogoState g_logo = {
    .bitmap = nullptr, .width = 0, .height = 0, .revealedWidth = 0, .done = false, .timer = 0, .classTried = false};

// Registered once per process: after a first attempt, failed or not, the
// class is taken as there.
bool RegisterLogoClassOnce(HINSTANCE instance) {
    if (g_logo.classTried) return true;
    g_logo.classTried = true;
    WNDCLASSA wc = {};
    wc.style = 0;
    wc.lpfnWndProc = LVWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = nullptr;
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kLogoClass;
    return RegisterClassA(&wc) != 0;
}

bool LoadLogoBitmap(HINSTANCE instance) {
    HBITMAP bitmap = LoadBitmapA(instance, kLogoBitmap);
    if (!bitmap) return false;
    BITMAP info;
    if (!GetObjectA(bitmap, sizeof info, &info)) {
        DeleteObject(bitmap);
        return false;
    }
    g_logo.bitmap = bitmap;
    g_logo.width = info.bmWidth;
    g_logo.height = info.bmHeight;
    return true;
}

bool g_quitPending = false;

void ReleaseLogoBitmap() {
    if (g_logo.bitmap) DeleteObject(g_logo.bitmap);
    g_logo.bitmap = nullptr;
}

// Dispatches the thread's messages until the logo is done. A quit message
// (the main window closed meanwhile, which destroys the logo with it)
// belongs to the main loop: it is posted again with its exit code.
void RunLogoLoop() {
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage((int)msg.wParam);
            g_quitPending = true;
            return;
        }
        if (got < 0) return;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (g_logo.done) return;
    }
}

LRESULT OnLogoCreate(HWND window) {
    g_logo.timer = SetTimer(window, kLogoTimerEvent, kLogoTickMs, nullptr);
    return 0;
}

// The timer is known by its event, not by what SetTimer returned: for a
// window's timer that is only a success flag.
LRESULT OnLogoDestroy(HWND window) {
    if (g_logo.timer != 0) {
        KillTimer(window, kLogoTimerEvent);
        g_logo.timer = 0;
    }
    return 0;
}

// Each tick widens both halves by one step until they reach half the
// picture; the logo ends on the tick that passes the whole width.
LRESULT OnLogoTimer(HWND window) {
    g_logo.revealedWidth += kRevealStep;
    if (g_logo.revealedWidth > g_logo.width) {
        g_logo.done = true;
    } else if (g_logo.revealedWidth < g_logo.width / 2) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    return 0;
}

// Cyan over the whole client area, then the picture's two outer strips of
// the revealed width side by side at the centre line.
LRESULT OnLogoPaint(HWND window) {
    PaintDC paint(window);
    HDC dc = paint.Get();
    MemoryDC memory(CreateCompatibleDC(dc));
    if (!memory.Get()) return 0;
    Selection picture(memory.Get(), g_logo.bitmap);
    RECT client;
    GetClientRect(window, &client);
    SetBkColor(dc, kLogoField);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);
    int centre = client.right / 2;
    int top = client.bottom / 2 - g_logo.height / 2;
    int half = g_logo.width / 2;
    if (g_logo.revealedWidth < half) half = g_logo.revealedWidth;
    BitBlt(dc, centre - half, top, half, g_logo.height, memory.Get(), 0, 0, SRCCOPY);
    BitBlt(dc, centre, top, half, g_logo.height, memory.Get(), g_logo.width - half, 0, SRCCOPY);
    return 0;
}

LRESULT OnLogoEnd() {
    g_logo.done = true;
    return 0;
}

}  // namespace

LV_EXPORT LRESULT CALLBACK LVWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnLogoCreate(window);
    case WM_DESTROY:
        return OnLogoDestroy(window);
    case WM_PAINT:
        return OnLogoPaint(window);
    case WM_TIMER:
        return OnLogoTimer(window);
    case WM_CLOSE:  // not passed on: the logo's loop destroys the window
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
        return OnLogoEnd();
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool QuitIsPending() { return g_quitPending; }

bool ShowLogo(HWND owner, HINSTANCE instance, HINSTANCE prevInstance) {
    g_quitPending = false;
    if (!prevInstance && !RegisterLogoClassOnce(instance)) return false;
    if (!LoadLogoBitmap(instance)) return false;
    g_logo.revealedWidth = 0;
    int w = g_logo.width;
    int h = g_logo.height;
    HWND window = CreateWindowExA(0, kLogoClass, kLogoTitle, kLogoStyle, GetSystemMetrics(SM_CXSCREEN) / 2 - w,
                                  GetSystemMetrics(SM_CYSCREEN) / 2 - h, 2 * w, 2 * h, owner, nullptr, instance,
                                  nullptr);
    if (!window) {
        ReleaseLogoBitmap();
        return false;
    }
    g_logo.done = false;
    RunLogoLoop();
    if (IsWindow(window)) DestroyWindow(window);
    ReleaseLogoBitmap();
    return true;
}
