#include "dialog_driver.h"

#include <stdio.h>

#include "../../resources/resource.h"

// A message box shows its text in a static control of this id.

static std::string ClassOf(const ProgramDir &p) { return p.exeName.substr(0, p.exeName.find_last_of('.')); }

Windowed StartWindowed(const ProgramDir &p, bool firstRunQuestion) {
    Windowed w;
    w.program = Start(p.exe, "\"" + p.exe + "\"", p.dir);
    w.main = WaitWindow(w.program, ClassOf(p).c_str());
    if (!w.main) return w;
    HWND panel = FindWindowExA(w.main, nullptr, "#32770", nullptr);
    w.list = panel ? GetDlgItem(panel, IDC_SCHEME_LIST) : nullptr;
    if (!firstRunQuestion) Settle(w);
    return w;
}

void CloseWindowed(Windowed &w) {
    if (!w.program.process) return;
    if (w.main) PostMessageA(w.main, WM_CLOSE, 0, 0);
    if (WaitExit(w.program, 5000) == -1) Kill(w.program);
}

void Settle(const Windowed &w) {
    DWORD_PTR result;
    SendMessageTimeoutA(w.main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

HWND OpenDialog(const Windowed &w, int command, const char *caption) {
    PostMessageA(w.main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return WaitWindowTitled(w.program, "#32770", caption);
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

void Notify(HWND dialog, int id, int code) {
    DWORD_PTR result;
    SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)GetDlgItem(dialog, id), SMTO_NORMAL, 10000,
                        &result);
}

void Click(HWND dialog, int id) { Notify(dialog, id, BN_CLICKED); }

bool WaitDestroyed(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

std::string FieldText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void TypeInto(HWND dialog, int id, const std::string &text) { SetText(GetDlgItem(dialog, id), text); }

bool ControlExists(HWND dialog, int id) { return GetDlgItem(dialog, id) != nullptr; }

bool ControlEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

bool Checked(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::pair<int, int> FieldSelection(HWND dialog, int id) {
    DWORD packed = (DWORD)SendDlgItemMessageA(dialog, id, EM_GETSEL, 0, 0);
    return {LOWORD(packed), HIWORD(packed)};
}

Box FindBox(const Program &program, DWORD timeoutMs) { return WaitBox(program, timeoutMs); }

std::vector<std::string> FileEntries(HWND list) {
    std::vector<std::string> files;
    for (const std::string &e : ListEntries(list))
        if (!e.empty() && e[0] == '(') files.push_back(e);
    return files;
}

bool ListHas(const std::vector<std::string> &items, const std::string &item) {
    for (const std::string &i : items)
        if (i == item) return true;
    return false;
}

bool SelectItem(HWND dialog, int listId, const std::string &item) {
    HWND list = GetDlgItem(dialog, listId);
    std::vector<std::string> items = ListEntries(list);
    for (size_t i = 0; i < items.size(); i++) {
        if (items[i] != item) continue;
        SendMessageA(list, LB_SETCURSEL, i, 0);
        Notify(dialog, listId, LBN_SELCHANGE);
        return true;
    }
    return false;
}

bool SameTextNoCase(const std::string &a, const std::string &b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::vector<std::string> FileLines(const std::string &path) {
    std::vector<std::string> lines;
    std::string text = ReadBytes(path);
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::vector<std::string> TitleSections(const std::string &path) {
    std::vector<std::string> sections;
    std::vector<std::string> lines = FileLines(path);
    for (size_t i = 0; i + 1 < lines.size(); i++)
        if (lines[i] == "[LUMIVANE]" || lines[i] == "[VELTINA]" || lines[i] == "[ENGLISH]")
            sections.push_back(lines[i] + " " + lines[i + 1]);
    return sections;
}

std::string ColorSetText(const std::string &title, unsigned color) {
    char line[64];
    snprintf(line, sizeof line, "Window= %u %u %u\r\n", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return "[WindowsSystemColors] VER01.00\r\n[ENGLISH]\r\n" + title + "\r\n[ListOfColors]\r\n" + line;
}
