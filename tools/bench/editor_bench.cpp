// The color-set editor, run by hand under Wine (scripts/bench-editor); not
// part of the test suite.
//
// 1. Opening the editor on a color-set file beside this program, the way
//    the list's Edit... does (EditColorSetCommand): from the command until
//    the dialog first waits for input (WM_ENTERIDLE to its owner), when the
//    file is read and the dialog, its list and its scene are drawn.
// 2. Of that, reading the entry's colors from the file (ReadEntryColors).
// 3. Drawing the sample scene once into a memory bitmap of the size the
//    scene has in the editor at the display's DPI, as the control paints
//    it: the layout for the dialog's font, then DrawScene.
//
// Usage: lv_editor_bench [opens] [draws]
//        lv_editor_bench --once
// --once opens the editor once, between two CreateFileA calls on the names
// "lv-bench-open-begin" and "lv-bench-open-end", so that a file trace
// (WINEDEBUG=trace+file) shows each time the file is opened in between.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "colors/entrycolors.h"
#include "commands/editor.h"
#include "controls/scene.h"
#include "core/colfile_text.h"
#include "core/resource.h"
#include "state/appstate.h"

namespace {

const char kBenchFile[] = "lv-bench-editor.col";

struct Opening {
    LARGE_INTEGER start, idle;
    SIZE scene;
};
Opening g_opening;

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(to.QuadPart - from.QuadPart) * 1e6 / (double)frequency.QuadPart;
}

// The editor's owner: when the dialog first waits for input, the time is
// taken, the scene's size noted and the dialog closed.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && g_opening.idle.QuadPart == 0) {
        QueryPerformanceCounter(&g_opening.idle);
        RECT client = {};
        GetClientRect(GetDlgItem((HWND)lParam, IDC_EDIT_SCENE), &client);
        g_opening.scene = {client.right, client.bottom};
        PostMessageA((HWND)lParam, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeOwner() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "LvEditorBenchOwner";
    RegisterClassA(&wc);
    return CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, wc.hInstance,
                         nullptr);
}

// A current-form file of the usual size: three titles, the nineteen colors
// and a wallpaper section.
bool WriteBenchFile(std::string *path) {
    char dir[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, dir, sizeof dir);
    if (n == 0 || n >= sizeof dir) return false;
    *strrchr(dir, '\\') = '\0';
    *path = std::string(dir) + "\\" + kBenchFile;
    ColorSet colors;
    for (int i = 0; i < kElementCount; i++) colors.value[i] = RGB(40 + i * 9, 80 + i * 5, 120 + i * 3);
    std::string text;
    if (ComposeColorSetFile(colors, "Editor bench", "Editor bench", "Editor bench", "C:\\WINDOWS\\bench.bmp", 0,
                            &text) != kComposed)
        return false;
    HANDLE file = CreateFileA(path->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), (DWORD)text.size(), &written, nullptr) && written == text.size();
    CloseHandle(file);
    return ok;
}

double OpenOnce(const CommandArgs &args) {
    g_opening = {};
    QueryPerformanceCounter(&g_opening.start);
    EditColorSetCommand(args);
    return g_opening.idle.QuadPart ? Microseconds(g_opening.start, g_opening.idle) : -1;
}

// A name in a file trace, nothing more: the file does not exist.
void Mark(const char *name) {
    HANDLE file = CreateFileA(name, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

double DrawOnce(HDC dc, SIZE size, const WholeColorSet &colors, const SceneWords &words) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    DrawScene(dc, LayOutSceneFor(dc, size.cx, size.cy, words, SystemSceneStyle()), colors, words);
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Microseconds(start, end);
}

void Report(const char *what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    printf("%-40s best %8.1f us   median %8.1f us   (%zu runs)\n", what, times.front(), times[times.size() / 2],
           times.size());
}

}  // namespace

int main(int argc, char **argv) {
    ResetAppGlobals();
    g_app.edition = GetACP() == 932 ? kEditionPrimary : kEditionEnglish;
    LoadStringA(nullptr, kEditions[g_app.edition].titleStringId, g_app.TitleString, sizeof g_app.TitleString);
    bool once = argc > 1 && strcmp(argv[1], "--once") == 0;
    int opens = !once && argc > 1 ? atoi(argv[1]) : 50, draws = argc > 2 ? atoi(argv[2]) : 2000;
    if (opens < 1 || draws < 1) {
        fprintf(stderr, "usage: lv_editor_bench [opens] [draws] | --once\n");
        return 2;
    }
    std::string path;
    if (!WriteBenchFile(&path)) {
        fprintf(stderr, "cannot write %s\n", kBenchFile);
        return 1;
    }
    std::string entry = std::string("(") + kBenchFile + ")\tEditor bench";
    CommandArgs args = {MakeOwner(), entry.c_str(), nullptr};

    if (once) {
        Mark("lv-bench-open-begin");
        double us = OpenOnce(args);
        Mark("lv-bench-open-end");
        printf("opened once: %.1f us\n", us);
        DeleteFileA(path.c_str());
        return us < 0;
    }

    HDC screen = GetDC(nullptr);
    printf("edition %d, code page %u, %d DPI\n", (int)g_app.edition, GetACP(), GetDeviceCaps(screen, LOGPIXELSY));
    OpenOnce(args);  // untimed: the first one loads the chooser's and the dialog's code
    std::vector<double> times;
    for (int i = 0; i < opens; i++) times.push_back(OpenOnce(args));
    Report("opening the editor (read, dialog, draw)", times);
    times.clear();
    for (int i = 0; i < opens; i++) {
        LARGE_INTEGER start, end;
        EntryColors read;
        QueryPerformanceCounter(&start);
        ReadEntryColors(args.entry, &read);
        QueryPerformanceCounter(&end);
        times.push_back(Microseconds(start, end));
    }
    Report("of which reading the file", times);

    SIZE size = g_opening.scene;
    printf("scene %ld x %ld pixels\n", size.cx, size.cy);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap), oldFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SceneWords words;
    LoadSceneWords(&words);
    WholeColorSet colors;
    for (int i = 0; i < kSystemColorCount; i++) colors.value[i] = RGB(8 * i, 250 - 7 * i, 40);
    DrawOnce(dc, size, colors, words);
    times.clear();
    for (int i = 0; i < draws; i++) times.push_back(DrawOnce(dc, size, colors, words));
    Report("drawing the scene once", times);
    SelectObject(dc, oldFont), SelectObject(dc, oldBitmap), DeleteObject(bitmap), DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DeleteFileA(path.c_str());
    return 0;
}
