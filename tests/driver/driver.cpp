#include "driver.h"

#include <gtest/gtest.h>
#include <stdio.h>

#include "../../core/resource.h"

std::string FreshDir(const std::string &suffix) {
    static int made = 0;
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    // Wine gives a process id again soon: a name an earlier run left is passed over.
    for (;;) {
        std::string dir = std::string(temp) + "lv_" + (test ? test->name() : "run") + "_" +
                          std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++made) + suffix + "\\";
        if (CreateDirectoryA(dir.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS) return dir;
    }
}

std::string ReadBytes(const std::string &path) {
    FILE *f = fopen(path.c_str(), "rb");
    std::string s = f ? "" : "<missing>";
    for (char buf[4096]; f && !feof(f) && !ferror(f);) s.append(buf, fread(buf, 1, sizeof buf, f));
    return f && fclose(f), s;
}

bool WriteBytes(const std::string &path, const std::string &bytes) {
    FILE *f = fopen(path.c_str(), "wb");
    return f && (fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size()) + !fclose(f) == 2;
}

int CountFiles(const std::string &pattern) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    int n = h != INVALID_HANDLE_VALUE;
    while (n && FindNextFileA(h, &fd)) n++;
    return FindClose(h), n;
}

std::string DriverDir() {
    char path[MAX_PATH];
    std::string s(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return s.substr(0, s.find_last_of('\\') + 1);
}

bool WaitFor(const std::function<bool()> &done, DWORD ms) {
    for (DWORD start = GetTickCount(); !done(); Sleep(10))
        if (GetTickCount() - start > ms) return false;
    return true;
}

std::wstring Wide(const std::string &text) {
    std::wstring wide(text.size() + 1, L'\0');
    return wide.resize(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], (int)wide.size()) - 1), wide;
}

Program Start(const std::string &exe, std::string commandLine, const std::string &dir) {
    return Start(exe, Wide(commandLine), dir);
}

Program Start(const std::string &exe, std::wstring commandLine, const std::string &dir) {
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(Wide(exe).c_str(), &commandLine[0], 0, 0, FALSE, 0, 0, Wide(dir).c_str(), &si, &pi)) return {};
    CloseHandle(pi.hThread), WaitForInputIdle(pi.hProcess, 5000);
    return {pi.hProcess, pi.dwProcessId};
}

int WaitExit(Program &program, DWORD ms) {
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(program.process, ms) != WAIT_OBJECT_0) TerminateProcess(program.process, 1);
    return GetExitCodeProcess(program.process, &code), CloseHandle(program.process), (int)code;
}

// The first visible top-level window of the program that is wanted.
static HWND Find(const Program &program, const std::function<bool(HWND, const std::string &)> &wanted) {
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, nullptr)) != nullptr;) {
        DWORD pid = 0;
        char cls[64] = "";
        GetWindowThreadProcessId(w, &pid), GetClassNameA(w, cls, sizeof cls);
        if (pid == program.pid && IsWindowVisible(w) && wanted(w, cls)) return w;
    }
    return nullptr;
}

HWND WindowOf(const Program &program, const char *className, const char *title) {
    return Find(program, [&](HWND w, const std::string &cls) {
        return lstrcmpiA(cls.c_str(), className) == 0 && (!title || TextOf(w) == title);
    });
}

HWND WaitWindow(const Program &program, const char *className, const char *title, DWORD ms) {
    HWND found = nullptr;
    return WaitFor([&] { return (found = WindowOf(program, className, title)) != nullptr; }, ms), found;
}

void Settle(HWND window) { SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr); }

HWND WaitDialogWith(const Program &program, int controlId, DWORD ms) {
    HWND found = nullptr;
    WaitFor([&] {
        return (found = Find(program, [&](HWND w, const std::string &cls) {
            return cls == "#32770" && GetDlgItem(w, controlId);
        })) != nullptr;
    }, ms);
    return found;
}

bool Close(HWND window, int button) {
    return window && (PostCommand(window, button), WaitFor([&] { return !IsWindow(window); }));
}

Box BoxOf(const Program &program) {
    HWND w = Find(program, [](HWND w, const std::string &cls) {
        return cls == "#32770" && GetDlgItem(w, IDC_LABEL) && !GetDlgItem(w, IDC_FILENAME) &&
               !GetDlgItem(w, IDC_EDIT_SCENE);
    });
    if (!w) return Box();
    return {w, GetWindow(w, GW_OWNER), TextOf(GetDlgItem(w, IDC_LABEL)), TextOf(w), GetDlgItem(w, IDCANCEL) != nullptr};
}

Box WaitBox(const Program &program, DWORD ms) {
    Box box;
    return WaitFor([&] { return (box = BoxOf(program)).window != nullptr; }, ms), box;
}

void Answer(const Box &box, int button) {
    PostCommand(box.window, button);
    WaitFor([&] { return !IsWindowVisible(box.window); });
}

std::string TextOf(HWND window) {
    char text[4096] = "";
    return SendMessageA(window, WM_GETTEXT, sizeof text, (LPARAM)text), text;
}

void SetTextOf(HWND window, const std::string &text) { SendMessageA(window, WM_SETTEXT, 0, (LPARAM)text.c_str()); }

// Another process's list box hands its text over in Unicode only.
std::vector<std::string> ListEntries(HWND list) {
    std::vector<std::string> entries;
    for (int i = 0, n = (int)SendMessageW(list, LB_GETCOUNT, 0, 0); i < n; i++) {
        wchar_t wide[1024] = L"";
        char text[2048] = "";
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 1024) SendMessageW(list, LB_GETTEXT, i, (LPARAM)wide);
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        entries.push_back(text);
    }
    return entries;
}

void PostCommand(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(window, id));
}

void Notify(HWND dialog, int id, int code) {
    SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)GetDlgItem(dialog, id), 0, 9000, nullptr);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// lv_probe.exe, a fresh process, reads or sets what the wineserver holds.
static std::string Probe(const std::string &arguments) {
    std::string out = FreshDir("_probe") + "out.txt";
    Program probe = Start(DriverDir() + "lv_probe.exe", "lv_probe.exe " + out + " " + arguments, DriverDir());
    WaitExit(probe, 10000);
    return ReadBytes(out);
}

std::vector<COLORREF> DesktopColors(size_t count) {
    std::vector<COLORREF> colors;
    std::string out = Probe("colors " + std::to_string(count));
    char *p = &out[0], *end;
    for (unsigned long v; colors.size() < count && (v = strtoul(p, &end, 16), end != p); p = end) colors.push_back(v);
    return colors;
}

void SetDesktopColors(const std::vector<COLORREF> &colors) {
    std::string args = "setcolors";
    for (COLORREF c : colors) args += " " + std::to_string(c);
    Probe(args);
}

std::string DesktopWallpaper() { return Probe("wallpaper"); }

std::string Profile(const char *section, const char *key, const char *file) {
    char value[4096] = "";
    return GetPrivateProfileStringA(section, key, "", value, sizeof value, file ? file : "win.ini"), value;
}

void SetProfile(const char *section, const char *key, const char *value, const char *file) {
    WritePrivateProfileStringA(section, key, value, file ? file : "win.ini");
}
