// Takes the pictures of README.md and docs/gallery.md from the real program: each scene starts a fresh copy of it,
// drives it there with the test driver as a user would, copies a window (or the whole desktop) from the screen into a
// 24-bit BMP file, and ends it. scripts/screenshots runs it in Wine virtual desktops of 640x480 and turns the BMP files
// into PNG files.
//
//   lv_shots PROGRAM SAMPLES OUT english|japanese [SCENE]
//       The README's pictures of the edition the locale gives (LANG=C: English; ja_JP.UTF-8: both Japanese ones).
//       PROGRAM  the LUMVAN32.EXE to copy; SAMPLES  the directory of the sample color sets (every *.col and *.bmp
//       goes beside the program); OUT  where the pictures go; SCENE  only the scenes whose name holds this text.
//   lv_shots PROGRAM SAMPLES OUT gallery NAME.col
//       The gallery's picture of one sample, OUT\gallery\NAME.bmp. Wine's desktop paints its background with the
//       colors it read when it started: run it in a new desktop, started once --desktop NAME.col has put them on.
//   lv_shots --desktop [FILE.col]
//       Puts the starting desktop on: the palette below, or the colors FILE gives it; no wallpaper.
//
// Every step goes to OUT\english.log, OUT\japanese.log or OUT\gallery-NAME.log; the last line says whether every scene
// went well ("shots: all N scenes done"), and the exit code is 0 only then.
//
// Every scene starts from the same desktop: the palette below, no wallpaper. The pictures do not depend on timing:
// a picture is taken once the window has looked the same for 600 ms (the caret does not blink in the shots prefix:
// a blinking one never lets a picture be taken), and the logo is caught by holding the program between short slices
// of run time.
#include <windows.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/colfile_text.h"
#include "core/colorset.h"
#include "commands/logo.h"
#include "core/resource.h"
#include "tests/driver/driver.h"

namespace {

// Where each scene's copy of the program lives; the Add dialog shows this path, so it never changes.
const char kProgramDir[] = "C:\\lumivane\\";
const int kScreenWidth = 640, kScreenHeight = 480;
const RECT kMainCrop = {0, 0, 600, 260};  // the main window at the top left, with some desktop around it
const DWORD kSteadyMs = 600;              // longer than a caret's blink
const DWORD kGrabEveryMs = 100;
const DWORD kSliceMs = kLogoTickMs / 5;   // the logo is looked at five times a tick

// The starting desktop: the colors a fresh Wine prefix gives elements 0 to 18.
const COLORREF kPalette[] = {
    RGB(255, 255, 255), RGB(37, 111, 149),  RGB(50, 150, 250),  RGB(128, 128, 128), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(158, 158, 158), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(128, 128, 128), RGB(48, 150, 250),  RGB(255, 255, 255),
    RGB(245, 245, 245), RGB(166, 166, 166), RGB(166, 166, 166), RGB(0, 0, 0),
};
static_assert(std::size(kPalette) == kElementCount, "one color per element of a color-set file");

// The greeting's opening words, its question, its pardon and what it says when it finds its colors already there;
// the Japanese About text.
const char kGreeting[] = "　我々は、ルミベインだ。";
const char kTakeover[] = "　このシステムは、すでにルミベインの支配下にある。";
const char kPardon[] = "　しかたがない、";
const char kAlready[] = "　このシステムは、すでに、我々の支配下にあるようだ。";
const char kAboutJapanese[] = "ＭＳ－ＷＩＮＤＯＷＳ　システムカラー管理ユーティリティ";
const char kAboutEnglish[] = "MS-Windows 'System Color Set' Management Utility";

FILE *g_log = nullptr;
std::string g_out, g_program, g_samples, g_work;

void Log(const char *format, ...) {
    char line[2048];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    fprintf(stderr, "%s\n", line);
    if (g_log) fprintf(g_log, "%s\n", line), fflush(g_log);
}

struct Failure { std::string what; };
void Need(bool ok, const std::string &what) {
    if (!ok) throw Failure{what};
}

bool StartsWith(const std::string &text, const std::string &start) { return text.compare(0, start.size(), start) == 0; }

std::vector<COLORREF> Palette() { return std::vector<COLORREF>(kPalette, kPalette + kElementCount); }

// The palette with the greeting's own colors over it (the elements it keeps stay).
std::vector<COLORREF> GreetingPalette() {
    std::vector<COLORREF> colors = Palette();
    for (int i = 0; i < kElementCount; i++)
        if (GreetingColors.value[i] != kKeepColor) colors[i] = (COLORREF)GreetingColors.value[i];
    return colors;
}

// ---- The desktop ----

std::string Hex(const std::vector<COLORREF> &colors) {
    std::string s;
    for (COLORREF c : colors) {
        char one[16];
        snprintf(one, sizeof one, "%06lX ", (unsigned long)c);
        s += one;
    }
    return s;
}

// The colors as a fresh process sees them (the driver's lv_probe, built beside this tool).
std::vector<COLORREF> ScreenColors() { return DesktopColors(); }

// No wallpaper and the palette given, checked from a fresh process.
void ResetDesktop(const std::vector<COLORREF> &colors) {
    WriteProfileStringA("Desktop", "TileWallpaper", "0");
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, (void *)"", SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    SetSysColors(kElementCount, ElementList, colors.data());
    Need(ScreenColors() == colors, "the starting colors did not take: " + Hex(ScreenColors()));
}

// ---- Pictures ----

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> bits;  // 24-bit rows, bottom-up, each padded to 4 bytes
    int Stride() const { return (width * 3 + 3) & ~3; }
    COLORREF At(int x, int y) const {
        const unsigned char *p = &bits[(size_t)(height - 1 - y) * Stride() + (size_t)x * 3];
        return RGB(p[2], p[1], p[0]);
    }
};

// What the screen shows in r now.
Picture Grab(RECT r) {
    Picture shot;
    shot.width = r.right - r.left, shot.height = r.bottom - r.top;
    Need(shot.width > 0 && shot.height > 0, "an empty rectangle to copy");
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shot.width, shot.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, shot.width, shot.height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width, info.bmiHeader.biHeight = shot.height;
    info.bmiHeader.biPlanes = 1, info.bmiHeader.biBitCount = 24, info.bmiHeader.biCompression = BI_RGB;
    shot.bits.assign((size_t)shot.Stride() * shot.height, 0);
    int rows = GetDIBits(memory, bitmap, 0, shot.height, shot.bits.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap), DeleteDC(memory), ReleaseDC(nullptr, screen);
    Need(copied && rows == shot.height, "cannot copy the screen");
    return shot;
}

// What r shows once it has stayed the same for kSteadyMs: every window in it painted, nothing moving.
Picture Steady(RECT r, const std::string &what) {
    Picture last = Grab(r);
    DWORD start = GetTickCount(), same = GetTickCount();
    while (GetTickCount() - same < kSteadyMs) {
        Need(GetTickCount() - start < 15000, what + " never stopped changing");
        Sleep(kGrabEveryMs);
        Picture now = Grab(r);
        if (now.bits != last.bits) same = GetTickCount(), last = now;
    }
    return last;
}

void Save(const std::string &name, const Picture &shot) {
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = shot.width, info.biHeight = shot.height, info.biPlanes = 1, info.biBitCount = 24;
    info.biCompression = BI_RGB, info.biSizeImage = (DWORD)shot.bits.size();
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes((const char *)&file, sizeof file);
    bytes.append((const char *)&info, sizeof info);
    bytes.append((const char *)shot.bits.data(), shot.bits.size());
    std::string path = g_out + name + ".bmp";
    Need(WriteBytes(path, bytes), "cannot write " + path);
    Log("shots:   %s.bmp (%dx%d)", name.c_str(), shot.width, shot.height);
}

RECT WindowRect(HWND window) {
    RECT r = {};
    Need(GetWindowRect(window, &r) != 0, "a window that is gone");
    return r;
}

void ShootWindow(HWND window, const std::string &name) {
    Settle(window);
    Save(name, Steady(WindowRect(window), name));
}

// ---- The program ----

struct App {
    Program program;
    HWND main = nullptr, list = nullptr;
};

// Empties the program's directory and puts the program there under exeName with the samples; the .col association
// is set for it, so that no first-run question comes; control.ini holds no scheme, so the list shows the samples only.
std::string PrepareDir(const std::string &exeName) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((std::string(kProgramDir) + "*").c_str(), &found);
    for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            Need(DeleteFileA((kProgramDir + std::string(found.cFileName)).c_str()) != 0,
                 std::string("cannot empty ") + kProgramDir);
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
    CreateDirectoryA(kProgramDir, nullptr);
    std::string exe = kProgramDir + exeName;
    Need(CopyFileA(g_program.c_str(), exe.c_str(), FALSE) != 0, "cannot copy " + g_program);
    for (const char *pattern : {"*.col", "*.bmp"}) {
        h = FindFirstFileA((g_samples + pattern).c_str(), &found);
        for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &found))
            Need(CopyFileA((g_samples + found.cFileName).c_str(), (kProgramDir + std::string(found.cFileName)).c_str(),
                           FALSE) != 0,
                 std::string("cannot copy the sample ") + found.cFileName);
        if (h != INVALID_HANDLE_VALUE) FindClose(h);
    }
    std::string base = exeName.substr(0, exeName.find_last_of('.'));
    WriteProfileStringA("extensions", "col", (base + ".exe ^.col").c_str());
    WritePrivateProfileStringA("COLOR SCHEMES", nullptr, nullptr, "control.ini");
    return exe;
}

std::vector<std::string> SampleNames() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((g_samples + "*.col").c_str(), &found);
    for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &found)) names.push_back(found.cFileName);
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

// One run of the program: started on the desktop given, its list filled; ended by the menu, or killed when the scene
// fails.
class Session {
    // Killed on the way out unless it ended by itself: a scene that fails leaves nothing running.
    struct Running {
        Program *program;
        ~Running() {
            if (program->process) TerminateProcess(program->process, 1), WaitExit(*program, 5000);
        }
    };

public:
    App app;
    std::string exe;

    Session(const std::string &exeName, const std::vector<COLORREF> &colors) {
        ResetDesktop(colors);
        exe = PrepareDir(exeName);
        app.program = Start(exe, "\"" + exe + "\"", kProgramDir);
        Need(app.program.process != nullptr, "cannot start " + exe);
        std::string cls = exeName.substr(0, std::min(exeName.find_last_of('.'), (size_t)15));
        app.main = WaitWindow(app.program, cls.c_str(), nullptr, 20000);
        Need(app.main != nullptr, "no main window (class " + cls + ")");
        app.list = GetDlgItem(FindWindowExA(app.main, nullptr, "#32770", nullptr), IDC_SCHEME_LIST);
        Need(app.list != nullptr, "no scheme list in the main window");
        size_t samples = SampleNames().size();
        Need(WaitFor([&] { return ListEntries(app.list).size() == samples; }),
             "the list does not show the " + std::to_string(samples) + " samples");
        Settle(app.main);
    }
    HWND Dialog(int command, const char *caption) {
        PostCommand(app.main, command);
        HWND dialog = WaitWindow(app.program, "#32770", caption, 10000);
        Need(dialog != nullptr, std::string("no dialog ") + (caption ? caption : "") + " after the command");
        Settle(dialog);
        return dialog;
    }
    Box NextBox(const std::string &start) {
        Box box = WaitBox(app.program, 20000);
        Need(box.window != nullptr, "no box beginning \"" + start + "\"");
        Need(StartsWith(box.text, start), "a box saying \"" + box.text + "\" where one beginning \"" + start +
                                              "\" was awaited");
        return box;
    }
    void End() {
        PostCommand(app.main, IDM_EXIT);
        int code = WaitExit(app.program, 20000);
        app.program.process = nullptr;
        Need(code == 0, "the program did not end by its menu (exit code " + std::to_string(code) + ")");
    }

private:
    Running running_{&app.program};
};

void CloseDialog(HWND dialog) {
    PostCommand(dialog, IDCANCEL);
    Need(WaitFor([&] { return !IsWindow(dialog); }), "the dialog did not close");
}

// ---- Scenes ----

void MainWindow(const std::string &exeName, const std::string &name) {
    Session s(exeName, Palette());
    Save(name, Steady(kMainCrop, name));
    s.End();
}

// The main window once a dark theme naming every system color is applied from the list: the caption fades, the menu
// bar, the edges and the list all in the theme's colors.
void MainDarkTheme() {
    static const char kDark[] =
        "[Theme]\r\nDisplayName=Night\r\n[Control Panel\\Colors]\r\n"
        "Scrollbar=45 45 48\r\nBackground=20 24 32\r\nActiveTitle=40 60 90\r\nInactiveTitle=50 50 55\r\n"
        "Menu=36 36 40\r\nWindow=30 30 34\r\nWindowFrame=10 10 10\r\nMenuText=230 230 230\r\n"
        "WindowText=235 235 235\r\nTitleText=255 255 255\r\nActiveBorder=60 60 66\r\nInactiveBorder=50 50 55\r\n"
        "AppWorkspace=25 25 28\r\nHilight=70 110 170\r\nHilightText=255 255 255\r\nButtonFace=48 48 52\r\n"
        "ButtonShadow=28 28 30\r\nGrayText=130 130 135\r\nButtonText=235 235 235\r\n"
        "InactiveTitleText=170 170 175\r\nButtonHilight=90 90 96\r\nButtonDkShadow=8 8 8\r\n"
        "ButtonLight=64 64 70\r\nInfoText=240 240 240\r\nInfoWindow=55 55 60\r\nButtonAlternateFace=48 48 52\r\n"
        "HotTrackingColor=110 160 230\r\nGradientActiveTitle=20 30 50\r\nGradientInactiveTitle=35 35 38\r\n"
        "MenuHilight=70 110 170\r\nMenuBar=36 36 40\r\n";
    Session s("LUMVAN32.EXE", Palette());
    int elements[kSystemColorCount];
    COLORREF before[kSystemColorCount];  // put back after the picture: the scenes after it keep the desktop's others
    for (int i = 0; i < kSystemColorCount; i++) elements[i] = i, before[i] = GetSysColor(i);
    const std::string theme = std::string(kProgramDir) + "night.theme";
    Need(WriteBytes(theme, kDark), "cannot write " + theme);
    HWND dialog = s.Dialog(IDM_ADD, "Add File");  // the list rebuilt with the theme in it
    SetTextOf(GetDlgItem(dialog, IDC_FILENAME), theme);
    PostCommand(dialog, IDOK);
    Need(WaitFor([&] { return ListEntries(s.app.list).size() == SampleNames().size() + 1; }), "night.theme not listed");
    const std::vector<std::string> entries = ListEntries(s.app.list);
    auto at = std::find(entries.begin(), entries.end(), "(night.theme)\tNight");
    Need(at != entries.end(), "no entry for night.theme in the list");
    SendMessageW(s.app.list, LB_SETCURSEL, (WPARAM)(at - entries.begin()), 0);
    PostCommand(s.app.main, IDM_OPEN);
    Need(WaitFor([&] { return ScreenColors()[COLOR_BACKGROUND] == RGB(20, 24, 32); }), "the theme did not take");
    DeleteFileA(theme.c_str());
    Settle(s.app.main);
    Save("main-dark-theme", Steady(kMainCrop, "main-dark-theme"));
    s.End();
    SetSysColors(kSystemColorCount, elements, before);
}

using Fields = std::vector<std::pair<int, std::string>>;  // a control's id, the text typed into it

// The Save As dialog with a file name and the titles typed; the name selected, as when the user comes back to it.
void SaveAs(const std::string &exeName, const std::string &name, const Fields &titles) {
    Session s(exeName, Palette());
    HWND dialog = s.Dialog(IDM_SAVEAS, nullptr), field = GetDlgItem(dialog, IDC_FILENAME);
    Need(field != nullptr, "no file name field");
    SetTextOf(field, "yuhi");
    for (const auto &t : titles) {
        Need(GetDlgItem(dialog, t.first) != nullptr, "no title field " + std::to_string(t.first));
        SetTextOf(GetDlgItem(dialog, t.first), t.second);
    }
    SendMessageTimeoutA(dialog, WM_NEXTDLGCTL, (WPARAM)field, TRUE, SMTO_NORMAL, 5000, nullptr);
    ShootWindow(dialog, name);
    CloseDialog(dialog);
    s.End();
}

// The Add dialog as it opens: the pattern selected, the program's directory listed.
void Add(const std::string &exeName, const char *caption, const std::string &name) {
    Session s(exeName, Palette());
    HWND dialog = s.Dialog(IDM_ADD, caption);
    ShootWindow(dialog, name);
    CloseDialog(dialog);
    s.End();
}

// The color-set editor on the first sample, opened from the main window's system menu: the scene in the set's colors,
// its elements by name, the contrast of its texts.
void Editor(const std::string &exeName, const std::string &name) {
    Session s(exeName, Palette());
    SendMessageW(s.app.list, LB_SETCURSEL, 0, 0);
    PostMessageA(s.app.main, WM_SYSCOMMAND, IDM_SYSMENU_EDIT, 0);
    HWND dialog = WaitWindow(s.app.program, "#32770", nullptr, 10000);
    Need(dialog && GetDlgItem(dialog, IDC_EDIT_SCENE), "no editor after the system menu's command");
    ShootWindow(dialog, name);
    CloseDialog(dialog);
    s.End();
}

void AboutEnglish() {
    Session s("LUMVAN32.EXE", Palette());
    PostCommand(s.app.main, IDM_ABOUT);
    Box box = s.NextBox(kAboutEnglish);
    ShootWindow(box.window, "about-english");
    Answer(box, IDOK);
    s.End();
}

// The columns of the logo's picture that are not all field: the first and the last. The picture is read from the
// program itself.
struct LogoColumns { int width = 0, first = -1, last = -1; };
LogoColumns ReadLogo(const std::string &exe) {
    LogoColumns logo;
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    Need(module != nullptr, "cannot read the resources of " + exe);
    HBITMAP bitmap = LoadBitmapA(module, LV_RESOURCE(LVRES_LOGO));
    BITMAP about = {};
    Need(bitmap && GetObjectA(bitmap, sizeof about, &about), "no logo picture in " + exe);
    Picture p;
    p.width = about.bmWidth, p.height = about.bmHeight;
    p.bits.assign((size_t)p.Stride() * p.height, 0);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = p.width, info.bmiHeader.biHeight = p.height;
    info.bmiHeader.biPlanes = 1, info.bmiHeader.biBitCount = 24, info.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(nullptr);
    int rows = GetDIBits(dc, bitmap, 0, p.height, p.bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc), DeleteObject(bitmap), FreeLibrary(module);
    Need(rows == p.height, "cannot read the logo picture");
    logo.width = p.width;
    for (int x = 0; x < p.width; x++)
        for (int y = 0; y < p.height; y++)
            if (p.At(x, y) != kLogoField) {
                if (logo.first < 0) logo.first = x;
                logo.last = x;
                break;
            }
    Need(logo.first >= 0, "a logo picture all of the field's color");
    return logo;
}

// The first and last screen columns of the window's client area that are not all field; -1 when all are.
std::pair<int, int> ShownColumns(const Picture &shot, const RECT &window, const RECT &client) {
    int first = -1, last = -1;
    for (int x = client.left; x < client.right; x++)
        for (int y = client.top; y < client.bottom; y++)
            if (shot.At(x - window.left, y - window.top) != kLogoField) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

// The program's thread is held; the next Release lets it run again.
class Frozen {
public:
    explicit Frozen(HWND window) {
        DWORD id = GetWindowThreadProcessId(window, nullptr);
        thread_ = OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, id);
        Need(thread_ != nullptr, "cannot open the program's thread");
        Hold();
    }
    ~Frozen() {
        if (held_) ResumeThread(thread_);
        CloseHandle(thread_);
    }
    // Suspended, and stopped for real: reading its context waits for that.
    void Hold() {
        Need(SuspendThread(thread_) != (DWORD)-1, "cannot suspend the program's thread");
        CONTEXT context = {};
        context.ContextFlags = CONTEXT_CONTROL;
        GetThreadContext(thread_, &context);
        held_ = true;
    }
    void Release() {
        ResumeThread(thread_);
        held_ = false;
    }

private:
    HANDLE thread_ = nullptr;
    bool held_ = false;
};

// The logo grows from the centre line by two columns of the picture a side each tick: the strips of width h show
// the picture's first and last h columns. Half of it is shown when h reaches a quarter of the picture. The program
// runs in slices shorter than a tick, and the logo is looked at after each: the first look that shows the half is
// the picture. Then the logo ends by itself and the sibling edition's About box follows.
void LogoAndAboutSibling() {
    Session s("VELTINA.EXE", Palette());
    LogoColumns logo = ReadLogo(s.exe);
    const int half = logo.width / 4;
    PostCommand(s.app.main, IDM_ABOUT);
    HWND window = WaitWindow(s.app.program, "LVLOGO", nullptr, 10000);
    Need(window != nullptr, "no logo after About");
    {
        Frozen program(window);
        RECT outer = WindowRect(window), client = {};
        GetClientRect(window, &client);
        MapWindowPoints(window, nullptr, (POINT *)&client, 2);
        int centre = client.left + (client.right - client.left) / 2;
        // Where the half shows its outer columns: the left strip starts with the picture's first column, the right
        // one ends with its last.
        int wantFirst = centre - half + logo.first, wantLast = centre + half - (logo.width - logo.last);
        Picture shot;
        std::pair<int, int> shown(-1, -1);
        int slices = 0;
        for (; shown.second < wantLast; slices++) {
            Need(slices < 3000, "the logo never showed half of itself");
            program.Release();
            Sleep(kSliceMs);
            program.Hold();
            shot = Grab(outer);
            shown = ShownColumns(shot, outer, client);
        }
        Need(shown.first == wantFirst && shown.second == wantLast,
             "the first look at the logo past its half is not the half: columns " + std::to_string(shown.first) +
                 " to " + std::to_string(shown.second) + ", not " + std::to_string(wantFirst) + " to " +
                 std::to_string(wantLast));
        Log("shots:   the half showed after %d slices of %lu ms", slices, (unsigned long)kSliceMs);
        Save("logo-half", shot);
    }
    Box box = s.NextBox(kAboutJapanese);
    Need(!WindowOf(s.app.program, "LVLOGO"), "the logo is still up under the About box");
    ShootWindow(box.window, "about-veltina");
    Answer(box, IDOK);
    s.End();
}

// About in a Japanese edition, the logo ended by a key as soon as it shows.
void AboutPastTheLogo(Session &s) {
    PostCommand(s.app.main, IDM_ABOUT);
    HWND logo = WaitWindow(s.app.program, "LVLOGO", nullptr, 10000);
    Need(logo != nullptr, "no logo after About");
    PostMessageA(logo, WM_KEYDOWN, VK_SPACE, 0);
}

// The primary edition's About: the logo (ended by a key), then the greeting: it puts on its colors and asks; No takes
// them off again; then the About text.
void Greeting() {
    Session s("LUMVAN32.EXE", Palette());
    AboutPastTheLogo(s);
    Box box = s.NextBox(kGreeting);
    ShootWindow(box.window, "greeting-first");
    Answer(box, IDOK);
    box = s.NextBox(kTakeover);
    Need(ScreenColors() == GreetingPalette(), "the desktop does not wear the greeting's colors while it asks");
    ShootWindow(box.window, "greeting-question");
    Answer(box, IDNO);
    box = s.NextBox(kPardon);
    Need(ScreenColors() == Palette(), "the greeting's colors were not taken off after No");
    ShootWindow(box.window, "greeting-pardon");
    Answer(box, IDOK);
    box = s.NextBox(kAboutJapanese);
    ShootWindow(box.window, "about-lumivane");
    Answer(box, IDOK);
    s.End();
}

// The desktop wears the greeting's colors already when About comes: the greeting says so instead of asking.
void GreetingAlready() {
    Session s("LUMVAN32.EXE", GreetingPalette());
    AboutPastTheLogo(s);
    Answer(s.NextBox(kGreeting), IDOK);
    Box box = s.NextBox(kAlready);
    ShootWindow(box.window, "greeting-already");
    Answer(box, IDOK);
    Answer(s.NextBox(kAboutJapanese), IDOK);
    s.End();
}

// The colors a color-set file gives the starting desktop, and whether it brings a wallpaper.
struct SetColors {
    std::vector<COLORREF> colors;
    bool wallpaper = false;
};
SetColors ReadSet(const std::string &path) {
    std::string text = ReadBytes(path);
    ColorSet current, wanted;
    for (int i = 0; i < kElementCount; i++) current.value[i] = (int32_t)kPalette[i];
    int badLines = 0;
    Need(ColorsFromText(text.c_str(), current, &wanted, &badLines) == kColorsRead && badLines == 0,
         path + " is not a color-set file the program reads whole");
    char wallpaper[MAX_PATH] = "";
    int32_t tile = 0;
    WallpaperFromText(text.c_str(), wallpaper, sizeof wallpaper, &tile);
    return {std::vector<COLORREF>(wanted.value, wanted.value + kElementCount), wallpaper[0] != '\0'};
}

// A sample applied through the list, then Save As over the main window, asked to save under the sample's own name:
// the question whether to replace it on top. The whole desktop is the picture; No, and Cancel, write nothing.
//
// The desktop's background is painted by Wine's desktop process with the colors it read when it started: the
// script starts a new desktop for each sample, once the sample's colors are on (--desktop FILE).
void Gallery(const std::string &file) {
    std::string base = file.substr(0, file.find_last_of('.'));
    Session s("LUMVAN32.EXE", Palette());
    std::string text = ReadBytes(kProgramDir + file);
    SetColors set = ReadSet(kProgramDir + file);
    std::vector<std::string> entries = ListEntries(s.app.list);
    auto at = std::find_if(entries.begin(), entries.end(),
                           [&](const std::string &e) { return StartsWith(e, "(" + file + ")\t"); });
    Need(at != entries.end(), "no entry for " + file + " in the list");
    SendMessageW(s.app.list, LB_SETCURSEL, (WPARAM)(at - entries.begin()), 0);
    PostCommand(s.app.main, IDM_OPEN);
    Need(WaitFor([&] { return ScreenColors() == set.colors; }), file + " was not applied: " + Hex(ScreenColors()));
    Settle(s.app.main);
    HWND dialog = s.Dialog(IDM_SAVEAS, "Save New Data");
    // Moved down below the list, as a user would drag it, so that the selected entry shows.
    RECT list = WindowRect(s.app.list), frame = WindowRect(dialog);
    SetWindowPos(dialog, nullptr, (kScreenWidth - (frame.right - frame.left)) / 2, list.bottom + 8, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(dialog);
    SetTextOf(GetDlgItem(dialog, IDC_FILENAME), base);
    PostCommand(dialog, IDOK);
    Box box = s.NextBox(file + " is already exit. Shall I replace the file?");
    Settle(s.app.main), Settle(dialog), Settle(box.window);
    Picture shot = Steady({0, 0, kScreenWidth, kScreenHeight}, "the desktop");
    Need(set.wallpaper || shot.At(kScreenWidth - 1, kScreenHeight - 1) == set.colors[COLOR_BACKGROUND],
         "the desktop's background is not " + file + "'s: start a new desktop once its colors are on");
    Save("gallery\\" + base, shot);
    Answer(box, IDNO);
    Need(IsWindow(dialog), "Save As closed after No");
    CloseDialog(dialog);
    Need(ReadBytes(kProgramDir + file) == text, file + " was changed");
    s.End();
}

struct Scene {
    std::string name;
    std::function<void()> run;
};

std::vector<Scene> Scenes(const std::string &run, const std::string &only) {
    std::vector<Scene> scenes;
    if (run == "gallery") {
        scenes.push_back({"gallery " + only, [only] { Gallery(only); }});
    } else if (run == "english") {
        scenes.push_back({"main-english", [] { MainWindow("LUMVAN32.EXE", "main-english"); }});
        scenes.push_back({"saveas-english", [] {
            SaveAs("LUMVAN32.EXE", "saveas-english", {{IDC_TITLE_ENGLISH, "Sunset"}});
        }});
        scenes.push_back({"add-english", [] { Add("LUMVAN32.EXE", "Add File", "add-english"); }});
        scenes.push_back({"about-english", AboutEnglish});
        scenes.push_back({"editor-english", [] { Editor("LUMVAN32.EXE", "editor-english"); }});
        scenes.push_back({"main-dark-theme", MainDarkTheme});
    } else if (run == "japanese") {
        scenes.push_back({"main-lumivane", [] { MainWindow("LUMVAN32.EXE", "main-lumivane"); }});
        scenes.push_back({"main-veltina", [] { MainWindow("VELTINA.EXE", "main-veltina"); }});
        scenes.push_back({"saveas-lumivane", [] {
            SaveAs("LUMVAN32.EXE", "saveas-lumivane",
                   {{IDC_TITLE_PRIMARY, "夕日"}, {IDC_TITLE_SIBLING, "ゆうひ"}, {IDC_TITLE_ENGLISH, "Sunset"}});
        }});
        scenes.push_back({"saveas-veltina", [] {
            SaveAs("VELTINA.EXE", "saveas-veltina", {{IDC_TITLE_SIBLING, "ゆうひ"}, {IDC_TITLE_ENGLISH, "Sunset"}});
        }});
        scenes.push_back({"add-japanese", [] { Add("LUMVAN32.EXE", "データの追加", "add-japanese"); }});
        scenes.push_back({"logo-half, about-veltina", LogoAndAboutSibling});
        scenes.push_back({"greeting, about-lumivane", Greeting});
        scenes.push_back({"greeting-already", GreetingAlready});
        scenes.push_back({"editor-lumivane", [] { Editor("LUMVAN32.EXE", "editor-lumivane"); }});
    }
    if (run != "gallery" && !only.empty())
        scenes.erase(std::remove_if(scenes.begin(), scenes.end(),
                                    [&](const Scene &scene) { return scene.name.find(only) == std::string::npos; }),
                     scenes.end());
    return scenes;
}

std::string AsDir(std::string path) {
    if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
    return path;
}

int Usage() {
    fprintf(stderr,
            "usage: lv_shots PROGRAM SAMPLES OUT english|japanese [SCENE]\n"
            "       lv_shots PROGRAM SAMPLES OUT gallery NAME.col\n"
            "       lv_shots --desktop [FILE.col]\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    g_work = AsDir(temp) + "lv_shots\\";
    CreateDirectoryA(g_work.c_str(), nullptr);
    if ((argc == 2 || argc == 3) && !strcmp(argv[1], "--desktop")) {
        try {
            ResetDesktop(argc == 3 ? ReadSet(argv[2]).colors : Palette());
            return 0;
        } catch (const Failure &f) {
            Log("shots: %s", f.what.c_str());
            return 1;
        }
    }
    if (argc < 5) return Usage();
    std::string run = argv[4], only = argc > 5 ? argv[5] : "";
    if (run != "english" && run != "japanese" && !(run == "gallery" && !only.empty())) return Usage();
    g_program = argv[1], g_samples = AsDir(argv[2]), g_out = AsDir(argv[3]);
    CreateDirectoryA(g_out.c_str(), nullptr);
    CreateDirectoryA((g_out + "gallery").c_str(), nullptr);
    std::string log = g_out + (run == "gallery" ? "gallery-" + only.substr(0, only.find_last_of('.')) : run) + ".log";
    g_log = fopen(log.c_str(), "w");

    int failed = 0, taken = 0;
    if (GetSystemMetrics(SM_CXSCREEN) != kScreenWidth || GetSystemMetrics(SM_CYSCREEN) != kScreenHeight) {
        Log("shots: the desktop is %dx%d, not %dx%d: run me in a Wine virtual desktop of that size",
            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kScreenWidth, kScreenHeight);
        failed++;
    }
    SetCursorPos(kScreenWidth - 1, kScreenHeight - 1);  // out of every window
    for (const Scene &scene : failed ? std::vector<Scene>() : Scenes(run, only)) {
        Log("shots: %s", scene.name.c_str());
        try {
            scene.run();
            taken++;
        } catch (const Failure &f) {
            Log("shots: FAILED %s: %s", scene.name.c_str(), f.what.c_str());
            failed++;
        }
    }
    if (!failed && !taken) Log("shots: no scene named %s", only.c_str()), failed++;
    try {
        ResetDesktop(Palette());
    } catch (const Failure &f) {
        Log("shots: FAILED at the end: %s", f.what.c_str());
        failed++;
    }
    if (failed) Log("shots: %d scene(s) failed, %d done", failed, taken);
    else Log("shots: all %d scenes done", taken);
    if (g_log) fclose(g_log);
    return failed ? 1 : 0;
}
