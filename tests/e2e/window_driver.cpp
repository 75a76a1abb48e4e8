#include "window_driver.h"

#include "../../resources/resource.h"

Window StartWindowed(const ProgramDir &p) {
    Window w;
    w.program = Start(p.exe, "\"" + p.exe + "\"", p.dir);
    std::string cls = p.exeName.substr(0, p.exeName.find_last_of('.'));
    w.main = WaitWindow(w.program, cls.c_str());
    if (w.main) {
        w.panel = FindWindowExA(w.main, nullptr, "#32770", nullptr);
        w.list = w.panel ? GetDlgItem(w.panel, IDC_SCHEME_LIST) : nullptr;
    }
    return w;
}

std::vector<std::string> Entries(const Window &w) { return ListEntries(w.list); }

void Select(const Window &w, int index) { SendMessageW(w.list, LB_SETCURSEL, index, 0); }

int IndexOf(const Window &w, const std::string &entry) {
    std::vector<std::string> e = Entries(w);
    for (size_t i = 0; i < e.size(); i++)
        if (e[i] == entry) return (int)i;
    return -1;
}

void Command(const Window &w, int id) { PostMessageA(w.main, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void DoubleClick(const Window &w, int index) {
    int height = (int)SendMessageW(w.list, LB_GETITEMHEIGHT, 0, 0);
    int top = (int)SendMessageW(w.list, LB_GETTOPINDEX, 0, 0);
    LPARAM at = MAKELPARAM(5, (index - top) * height + height / 2);
    PostMessageA(w.list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(w.list, WM_LBUTTONUP, 0, at);
    PostMessageA(w.list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(w.list, WM_LBUTTONUP, 0, at);
}

void PressReturn(HWND control) {
    PostMessageA(control, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(control, WM_KEYUP, VK_RETURN, 0xC0000001);
}

HWND FocusOf(const Window &w) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(w.main, nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool WaitEntries(const Window &w, size_t n, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (Entries(w).size() != n) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

bool WaitColors(const std::vector<unsigned> &expected, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (ReadDesktopColors() != expected) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

void Sync(const Window &w) {
    DWORD_PTR result;
    SendMessageTimeoutA(w.main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

int ExitProgram(Window &w) {
    Command(w, IDM_EXIT);
    return WaitExit(w.program);
}

void ClearSchemes() { WritePrivateProfileStringA("COLOR SCHEMES", nullptr, nullptr, "control.ini"); }

void SetScheme(const char *name, const char *line) {
    WritePrivateProfileStringA("COLOR SCHEMES", name, line, "control.ini");
}

std::string Scheme(const char *name) { return ProfileValue("COLOR SCHEMES", name, "control.ini"); }
