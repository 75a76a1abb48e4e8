#include "driver.h"

#include <stdio.h>

std::string DriverDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string SamplesDir() { return DriverDir() + "..\\..\\samples\\"; }

static void RemoveTree(const std::string &dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = dir + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full + "\\");
                RemoveDirectoryA(full.c_str());
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
}

std::string FreshDir(const std::string &name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string base = std::string(temp) + "lvtest\\";
    CreateDirectoryA(base.c_str(), nullptr);
    std::string dir = base + name + "\\";
    RemoveTree(dir);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

bool CopyInto(const std::string &source, const std::string &destination) {
    return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

bool WriteBytes(const std::string &path, const std::string &bytes) {
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

std::string ReadBytes(const std::string &path) {
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) return std::string();
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

Program Start(const std::string &exe, const std::string &commandLine, const std::string &workDir) {
    Program p;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string line = commandLine;
    if (CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                       workDir.empty() ? nullptr : workDir.c_str(), &si, &pi)) {
        CloseHandle(pi.hThread);
        p.process = pi.hProcess;
        p.pid = pi.dwProcessId;
        WaitForInputIdle(pi.hProcess, 5000);
    }
    return p;
}

int WaitExit(Program &program, DWORD timeoutMs) {
    if (!program.process) return -1;
    if (WaitForSingleObject(program.process, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(program.process, &code);
    CloseHandle(program.process);
    program.process = nullptr;
    return (int)code;
}

void Kill(Program &program) {
    if (!program.process) return;
    TerminateProcess(program.process, 1);
    WaitForSingleObject(program.process, 5000);
    CloseHandle(program.process);
    program.process = nullptr;
}

struct FindContext {
    DWORD pid;
    const char *className;
    const char *title;
    HWND found;
};

static BOOL CALLBACK FindWindowOf(HWND window, LPARAM lParam) {
    FindContext *c = (FindContext *)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != c->pid || !IsWindowVisible(window)) return TRUE;
    char cls[64];
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpiA(cls, c->className) != 0) return TRUE;
    if (c->title && WindowText(window) != c->title) return TRUE;
    c->found = window;
    return FALSE;
}

HWND WaitWindowTitled(const Program &program, const char *className, const char *title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        FindContext c = {program.pid, className, title, nullptr};
        EnumWindows(FindWindowOf, (LPARAM)&c);
        if (c.found) return c.found;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        if (program.process && WaitForSingleObject(program.process, 0) == WAIT_OBJECT_0) return nullptr;
        Sleep(20);
    }
}

HWND WaitWindow(const Program &program, const char *className, DWORD timeoutMs) {
    return WaitWindowTitled(program, className, nullptr, timeoutMs);
}

bool NoWindow(const Program &program, const char *className, DWORD timeoutMs) {
    return WaitWindow(program, className, timeoutMs) == nullptr;
}

std::string WindowText(HWND window) {
    char text[4096];
    text[0] = '\0';
    SendMessageA(window, WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

void SetText(HWND window, const std::string &text) { SendMessageA(window, WM_SETTEXT, 0, (LPARAM)text.c_str()); }

struct BoxSearch {
    DWORD pid;
    HWND found;
};

// A message box of the program: a visible "#32770" window with its text in
// static 65535 and no file name field (the dialogs have one).
static BOOL CALLBACK FindBoxOf(HWND window, LPARAM lParam) {
    BoxSearch *s = (BoxSearch *)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != s->pid || !IsWindowVisible(window)) return TRUE;
    char cls[16];
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0) return TRUE;
    if (!GetDlgItem(window, 0xFFFF) || GetDlgItem(window, 401)) return TRUE;
    s->found = window;
    return FALSE;
}

static Box DescribeBox(HWND w) {
    Box box;
    box.window = w;
    box.text = WindowText(GetDlgItem(w, 0xFFFF));
    box.caption = WindowText(w);
    box.hasYes = GetDlgItem(w, IDYES) != nullptr;
    box.hasNo = GetDlgItem(w, IDNO) != nullptr;
    box.hasCancel = GetDlgItem(w, IDCANCEL) != nullptr;
    box.hasOk = GetDlgItem(w, IDOK) != nullptr;
    box.owner = GetWindow(w, GW_OWNER);
    return box;
}

Box WaitBox(const Program &program, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        BoxSearch s = {program.pid, nullptr};
        EnumWindows(FindBoxOf, (LPARAM)&s);
        if (s.found) return DescribeBox(s.found);
        if (GetTickCount() - start >= timeoutMs) return Box();
        if (program.process && WaitForSingleObject(program.process, 0) == WAIT_OBJECT_0) return Box();
        Sleep(10);
    }
}

bool WaitGone(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

void Answer(const Box &box, int buttonId) {
    if (!box.window) return;
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), (LPARAM)GetDlgItem(box.window, buttonId));
    WaitGone(box.window);
}

std::vector<std::string> ListEntries(HWND list) {
    std::vector<std::string> entries;
    int count = (int)SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; i++) {
        wchar_t wide[1024];
        wide[0] = 0;
        LRESULT n = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        if (n < 0 || n >= 1024) continue;
        SendMessageW(list, LB_GETTEXT, i, (LPARAM)wide);
        char text[2048];
        int len = WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        entries.push_back(len > 0 ? std::string(text) : std::string());
    }
    return entries;
}

int ListSelection(HWND list) { return (int)SendMessageW(list, LB_GETCURSEL, 0, 0); }

std::string RunProbe(const std::string &arguments) {
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 65536)) return "";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::string exe = DriverDir() + "lv_probe.exe";
    std::string line = "lv_probe.exe " + arguments;
    std::string out;
    if (CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(writeEnd);
        // Wait for the probe itself: a console helper of the platform may
        // keep the pipe open after it ends, so no end of file would come.
        WaitForSingleObject(pi.hProcess, 10000);
        char buf[1024];
        DWORD available = 0, n = 0;
        while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
               ReadFile(readEnd, buf, sizeof buf, &n, nullptr) && n > 0)
            out.append(buf, n);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    } else {
        CloseHandle(writeEnd);
    }
    CloseHandle(readEnd);
    return out;
}

std::vector<unsigned> ReadDesktopColors() {
    std::vector<unsigned> colors;
    std::string out = RunProbe("colors");
    const char *p = out.c_str();
    for (int i = 0; i < 19; i++) {
        char *end;
        unsigned long v = strtoul(p, &end, 16);
        if (end == p) break;
        colors.push_back((unsigned)v);
        p = end;
    }
    return colors;
}

void SetDesktopColors(const std::vector<unsigned> &colors) {
    std::string args = "setcolors";
    for (unsigned c : colors) {
        char hex[16];
        snprintf(hex, sizeof hex, " %06X", c);
        args += hex;
    }
    RunProbe(args);
}

std::string ProbeWallpaper() {
    std::string out = RunProbe("wallpaper");
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
}

std::string ProfileValue(const char *section, const char *key, const char *file) {
    char value[4096];
    value[0] = '\0';
    if (file)
        GetPrivateProfileStringA(section, key, "", value, sizeof value, file);
    else
        GetProfileStringA(section, key, "", value, sizeof value);
    return value;
}

void SetProfileValue(const char *section, const char *key, const char *value, const char *file) {
    if (file)
        WritePrivateProfileStringA(section, key, value, file);
    else
        WriteProfileStringA(section, key, value);
}

std::string Hex(const std::string &bytes) {
    std::string s;
    char b[4];
    for (unsigned char c : bytes) {
        snprintf(b, sizeof b, "%02X ", c);
        s += b;
    }
    return s;
}
