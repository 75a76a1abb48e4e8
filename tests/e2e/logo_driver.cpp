#include "logo_driver.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>


namespace {

const char kLogoClass[] = "LVLOGO";
const char kLogoBitmap[] = "LVLOGO";
const int kMessageBoxIconId = 0x0440;  // the icon control of the platform's message box
const DWORD kPollMs = 5;
const char kIdeographicSpace[] = "\x81\x40";

std::string BaseNameOf(const std::string &exeName) { return exeName.substr(0, exeName.find_last_of('.')); }

}  // namespace

HWND StartWindowed(const ProgramDir &p, Program *program) {
    *program = Start(p.exe, "\"" + p.exe + "\"", p.dir);
    return WaitWindow(*program, BaseNameOf(p.exeName).c_str());
}

void PostCommand(HWND mainWindow, int commandId) { PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(commandId, 0), 0); }

bool LogoStaysUp(HWND logo, DWORD ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if (!IsWindow(logo)) return false;
        Sleep(kPollMs);
    }
    return IsWindow(logo) != 0;
}

Box WaitBoxNotingLogo(const Program &program, bool *logoSeen, DWORD timeoutMs) {
    *logoSeen = false;
    DWORD start = GetTickCount();
    for (;;) {
        if (WaitWindow(program, kLogoClass, 0)) *logoSeen = true;
        Box box = WaitBox(program, 0);
        if (box.window) return box;
        if (GetTickCount() - start > timeoutMs) return box;
        if (program.process && WaitForSingleObject(program.process, 0) == WAIT_OBJECT_0) return box;
        Sleep(kPollMs);
    }
}

SIZE LogoBitmapSize(const std::string &exe) {
    SIZE size = {0, 0};
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return size;
    HRSRC found = FindResourceA(module, kLogoBitmap, (LPCSTR)RT_BITMAP);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const BITMAPINFOHEADER *header = loaded ? (const BITMAPINFOHEADER *)LockResource(loaded) : nullptr;
    if (header && SizeofResource(module, found) >= sizeof *header) {
        size.cx = header->biWidth;
        size.cy = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    }
    FreeLibrary(module);
    return size;
}

namespace {

struct ResourceCopy {
    HANDLE update;
    bool ok;
};

bool IsLogoBitmap(LPCSTR type, LPCSTR name) {
    return type == (LPCSTR)RT_BITMAP && !IS_INTRESOURCE(name) && lstrcmpiA(name, kLogoBitmap) == 0;
}

BOOL CALLBACK CopyLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param) {
    ResourceCopy *copy = (ResourceCopy *)param;
    if (IsLogoBitmap(type, name)) return TRUE;
    HRSRC found = FindResourceExA(module, type, name, language);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    void *data = loaded ? LockResource(loaded) : nullptr;
    if (!data || !UpdateResourceA(copy->update, type, name, language, data, SizeofResource(module, found)))
        copy->ok = false;
    return TRUE;
}

BOOL CALLBACK CopyName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
    EnumResourceLanguagesA(module, type, name, CopyLanguage, param);
    return TRUE;
}

BOOL CALLBACK CopyType(HMODULE module, LPSTR type, LONG_PTR param) {
    EnumResourceNamesA(module, type, CopyName, param);
    return TRUE;
}

}  // namespace

// Deleting the one resource (UpdateResourceA with no data) reports success
// under Wine but leaves the bitmap in place, so the copy's resources are
// written anew from the source's, the bitmap left out.
bool CopyResourcesWithoutLogo(const std::string &source, const std::string &destination) {
    HMODULE module = LoadLibraryExA(source.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    ResourceCopy copy = {BeginUpdateResourceA(destination.c_str(), TRUE), true};
    if (!copy.update) {
        FreeLibrary(module);
        return false;
    }
    EnumResourceTypesA(module, CopyType, (LONG_PTR)&copy);
    FreeLibrary(module);
    return EndUpdateResourceA(copy.update, !copy.ok) && copy.ok;
}

std::vector<std::string> RunLines(const std::string &text, bool *wellFormed) {
    std::vector<std::string> lines;
    *wellFormed = false;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos || end == at || end + 1 >= text.size() || text[end + 1] != '\n') return lines;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    *wellFormed = true;
    return lines;
}

std::string LeadingBlanks(const std::string &line) {
    size_t n = 0;
    for (;;) {
        if (n < line.size() && line[n] == ' ')
            n++;
        else if (line.compare(n, 2, kIdeographicSpace) == 0)
            n += 2;
        else
            return line.substr(0, n);
    }
}

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool BoxShowsIcon(HWND box) {
    HWND icon = GetDlgItem(box, kMessageBoxIconId);
    return icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
}

namespace {

// The screen's pixels under a rectangle as a bottom-up 24-bit image.
std::string ScreenPixels(const RECT &r) {
    int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    DWORD rowBytes = ((DWORD)width * 3 + 3) & ~3u;
    std::string pixels((const char *)bits, (size_t)rowBytes * height);
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

void SaveShot(const std::string &name, HWND window) {
    const char *dir = getenv("LV_SHOTS_DIR");
    if (!dir || !*dir || !window) return;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    // The platform shows what a window painted a moment later: take the
    // pixels once two readings in a row agree.
    const DWORD kSettleMs = 2000;
    DWORD start = GetTickCount();
    std::string pixels = ScreenPixels(r);
    for (;;) {
        Sleep(40);
        std::string again = ScreenPixels(r);
        bool settled = again == pixels;
        pixels = again;
        if (settled || GetTickCount() - start > kSettleMs) break;
    }
    int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = (DWORD)pixels.size();
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes((const char *)&file, sizeof file);
    bytes.append((const char *)&info, sizeof info);
    bytes += pixels;
    WriteBytes(std::string(dir) + "\\" + name + ".bmp", bytes);
}

void SaveFrozenShot(const std::string &name, HWND window) {
    const char *dir = getenv("LV_SHOTS_DIR");
    if (!dir || !*dir || !window) return;
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(window, nullptr));
    if (thread) SuspendThread(thread);
    SaveShot(name, window);
    if (thread) {
        ResumeThread(thread);
        CloseHandle(thread);
    }
}
