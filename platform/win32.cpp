#include "win32.h"

#include "../core/argtext.h"
#include "../core/mbtext.h"
#include "textcode.h"

static MessageBoxHook g_messageBoxHook = nullptr;

void SetMessageBoxHook(MessageBoxHook hook) { g_messageBoxHook = hook; }

int ShowMessageBox(HWND owner, const char *text, const char *caption, UINT type) {
    if (g_messageBoxHook) return g_messageBoxHook(owner, text, caption, type);
    return MessageBoxA(owner, text, caption, type);
}

WaitCursor::WaitCursor() { SetCursor(LoadCursorA(nullptr, (LPCSTR)IDC_WAIT)); }
WaitCursor::~WaitCursor() { SetCursor(LoadCursorA(nullptr, (LPCSTR)IDC_ARROW)); }

bool SetCurrentDir(const char *dir) { return SetCurrentDirectoryA(dir) != 0; }

bool GetCurrentDir(char *out, size_t cap) {
    char dir[MAX_PATH + 1];
    DWORD n = GetCurrentDirectoryA(sizeof dir, dir);
    if (n == 0 || n >= sizeof dir) return false;
    return CopyText(out, cap, dir);
}

bool GetFullPath(const char *name, char *out, size_t cap) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(name, sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return false;
    return CopyText(out, cap, full);
}

static bool GetModulePath(char *out, size_t cap) {
    char path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path - 1) return false;
    return CopyText(out, cap, path);
}

bool GetProgramDir(char *out, size_t cap) {
    char path[MAX_PATH + 1];
    if (cap) out[0] = '\0';
    if (!GetModulePath(path, sizeof path)) return false;
    return CopyBytes(out, cap, path, DirPartLength(path));
}

bool GetProgramBaseName(char *base, size_t cap) {
    char path[MAX_PATH + 1];
    if (cap) base[0] = '\0';
    return GetModulePath(path, sizeof path) && ModuleBaseName(path, base, cap);
}

COLORREF ReadSysColor(int element) { return GetSysColor(element); }

void WriteSysColors(int count, const int *elements, const COLORREF *values) {
    SetSysColors(count, elements, values);
}

bool ReadArgumentText(std::string *text) {
    // The ANSI command line is made from the wide one by best fit, which
    // turns a fullwidth backslash into '\': another file. Only an exact
    // conversion names the file the user opened.
    const wchar_t *argument = ArgumentText(GetCommandLineW());
    int length = lstrlenW(argument);
    bool exact;
    int size = WideToCodePage(argument, length, nullptr, 0, '?', &exact);
    text->assign((size_t)size, '\0');
    if (size > 0) WideToCodePage(argument, length, &(*text)[0], size, '?', &exact);
    return exact;
}

static const char *PlatformNextChar(const char *p) { return CharNextA(p); }

void UsePlatformCharStepping() { SetNextCharFunction(PlatformNextChar); }
