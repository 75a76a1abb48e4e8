// The About texts read from the real string table, the greeting played
// against Wine's system colors, and the logo window run in this process.
#include <string.h>

#include <string>
#include <vector>

#include "../../colors/syscolors.h"
#include "../../commands/about.h"
#include "../../commands/logo.h"
#include "../../platform/win32.h"
#include "../../resources/resource.h"
#include "../../resources/msgbox.h"
#include "win_fixture.h"

namespace {

// ---- String runs -------------------------------------------------------

const char kIdeographicSpace[] = "　";  // 0x81 0x40 in Shift-JIS

// One line of a run: its exact text, or, for a line whose wording is free,
// only the blanks it must start with (and no further blank after them).
struct RunLine {
    const char *text;
    const char *leading;
};

struct RunCase {
    const char *label;
    int firstId;
    std::vector<RunLine> lines;
};

std::string Repeat(const char *piece, int times) {
    std::string s;
    for (int i = 0; i < times; i++) s += piece;
    return s;
}

std::string RunText(int firstId) {
    char text[kRunCap];
    memset(text, 'x', sizeof text);
    LoadStringRun(firstId, text, sizeof text);
    return text;
}

// The lines of a run's text, each of which must be followed by one empty
// line; false when the text has any other shape.
bool SplitRun(const std::string &text, std::vector<std::string> *lines) {
    lines->clear();
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos || end + 1 >= text.size() || text[end + 1] != '\n') return false;
        if (end == at) return false;  // an empty line where text belongs
        lines->push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return true;
}

bool StartsWithBlank(const std::string &s) {
    return !s.empty() && (s[0] == ' ' || s.compare(0, strlen(kIdeographicSpace), kIdeographicSpace) == 0);
}

void ExpectRun(const RunCase &c) {
    std::string text = RunText(c.firstId);
    std::vector<std::string> lines;
    ASSERT_TRUE(SplitRun(text, &lines)) << c.label << ": not lines each followed by an empty line: [" << text << "]";
    ASSERT_EQ(c.lines.size(), lines.size()) << c.label << ": line count; text [" << text << "]";
    for (size_t i = 0; i < lines.size(); i++) {
        const RunLine &want = c.lines[i];
        if (want.text) {
            EXPECT_EQ(std::string(want.text), lines[i]) << c.label << ", line " << i + 1;
            continue;
        }
        std::string lead = want.leading;
        EXPECT_EQ(lead, lines[i].substr(0, lead.size())) << c.label << ", line " << i + 1 << ": leading blanks";
        std::string rest = lines[i].substr(lead.size());
        EXPECT_FALSE(rest.empty()) << c.label << ", line " << i + 1 << ": no text after the blanks";
        EXPECT_FALSE(StartsWithBlank(rest)) << c.label << ", line " << i + 1 << ": more blanks than " << lead.size()
                                            << " bytes: [" << lines[i] << "]";
    }
}

// The first id after each run: no string there, so a run read from it is empty.
const int kAbsentIds[] = {
    IDS_TAKEOVER_5 + 1,      IDS_PARDON_2 + 1,        IDS_ABOUT_PRIMARY_4 + 1, IDS_ALREADY_4 + 1,
    IDS_FIX_JAPANESE_4 + 1,  IDS_ABOUT_SIBLING_3 + 1, IDS_ABOUT_ENGLISH_6 + 1, IDS_FIX_ENGLISH_4 + 1,
};

void ExpectAbsentRunsEmpty() {
    for (int id : kAbsentIds) EXPECT_EQ("", RunText(id)) << "run from absent id " << id;
}

TEST(StringRuns, EnglishRunsHaveTheirLinesAndBlanks) {
    UseEdition(2);
    const std::string twelve(12, ' ');
    const RunCase cases[] = {
        {"English About",
         IDS_ABOUT_ENGLISH_1,
         {{"MS-Windows 'System Color Set' Management Utility", nullptr},
          {"          LUMIVANE version 2.1 beta-1.0", nullptr},
          {nullptr, twelve.c_str()},
          {nullptr, ""},
          {nullptr, twelve.c_str()},
          {nullptr, ""}}},
        {"English Fix confirmation",
         IDS_FIX_ENGLISH_1,
         {{"   Now lumivane is going to record the colors in to win.ini file.", nullptr},
          {"      After you choose Yes,", nullptr},
          {"Your Windows will set this color-set automaticaly.", nullptr},
          {"      Are you sure?", nullptr}}},
    };
    for (const RunCase &c : cases) ExpectRun(c);
}

TEST(StringRuns, AbsentFirstIdGivesAnEmptyText) {
    UseEdition(2);
    ExpectAbsentRunsEmpty();
}

TEST(StringRunsJapanese, JapaneseRunsHaveTheirLinesAndBlanks) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    UseEdition(0);
    const std::string one = kIdeographicSpace;
    const std::string nine(9, ' '), two(2, ' '), eighteen(18, ' ');
    const std::string seven = Repeat(kIdeographicSpace, 7) + "観念したか？";
    const RunCase cases[] = {
        {"takeover",
         IDS_TAKEOVER_1,
         {{"　このシステムは、すでにルミベインの支配下にある。", nullptr},
          {"　我々は、このシステムをパステル・カラーに染め上げた。", nullptr},
          {"　あがいても、無駄だ。", nullptr},
          {nullptr, one.c_str()},
          {seven.c_str(), nullptr}}},
        {"pardon", IDS_PARDON_1, {{"　しかたがない、", nullptr}, {"　今回だけは許してやろう。", nullptr}}},
        {"primary About",
         IDS_ABOUT_PRIMARY_1,
         {{"ＭＳ－ＷＩＮＤＯＷＳ　システムカラー管理ユーティリティ", nullptr},
          {"               るみべいん　Version 2.1 beta-1.0", nullptr},
          {nullptr, nine.c_str()},
          {nullptr, two.c_str()}}},
        {"already taken",
         IDS_ALREADY_1,
         {{"　このシステムは、すでに、我々の支配下にあるようだ。", nullptr},
          {"　  我々は、ルミベインだ。", nullptr},
          {"　  我々は、ルミベインだ。", nullptr},
          {"　  我々は、ルミベインなんだってば。", nullptr}}},
        {"Japanese Fix confirmation",
         IDS_FIX_JAPANESE_1,
         {{"現在表示中の色設定をWIN.INIに記録します。", nullptr},
          {"これによって、変更は恒久的なものになり、", nullptr},
          {"今後WINDOWSを起動する毎に、この色設定となります。", nullptr},
          {"よろしいですか？", nullptr}}},
        {"sibling About",
         IDS_ABOUT_SIBLING_1,
         {{"ＭＳ－ＷＩＮＤＯＷＳ　システムカラー管理ユーティリティ", nullptr},
          {"           ヴェルティナ　Version 2.1 beta-1.0", nullptr},
          {nullptr, eighteen.c_str()}}},
    };
    for (const RunCase &c : cases) ExpectRun(c);
}

TEST(StringRunsJapanese, AbsentFirstIdGivesAnEmptyText) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    UseEdition(0);
    ExpectAbsentRunsEmpty();
}

// ---- Boxes of the About command and the greeting ------------------------

// Each box as shown, with the desktop's colors at that moment.
struct SeenBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
    ColorSet colors;
};

std::vector<SeenBox> g_seen;
std::vector<int> g_replies;

int RecordingBox(HWND owner, const char *text, const char *caption, UINT type) {
    SeenBox box = {owner, text ? text : "", caption ? caption : "", type, {}};
    CaptureColors(&box.colors);
    g_seen.push_back(box);
    size_t i = g_seen.size() - 1;
    return i < g_replies.size() ? g_replies[i] : IDOK;
}

void RecordBoxes(std::vector<int> replies) {
    g_seen.clear();
    g_replies = replies;
    SetMessageBoxHook(RecordingBox);
}

std::string GreetingText() {
    char text[kPathCap];
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_GREETING, text, kRunEntryLimit) <= 0) text[0] = '\0';
    return text;
}

ColorSet DistinctColors() {
    ColorSet c;
    for (int i = 0; i < kElementCount; i++) c.value[i] = MakeColor(30 + 5 * i, 60 + 3 * i, 90 + 7 * i);
    return c;
}

// GreetingColors over base: the kept elements keep base's colors.
ColorSet GreetingOver(const ColorSet &base) {
    ColorSet c = base;
    for (int i = 0; i < kElementCount; i++)
        if (GreetingColors.value[i] != kKeepColor) c.value[i] = GreetingColors.value[i];
    return c;
}

std::string ColorText(const ColorSet &c) {
    std::string s;
    char hex[12];
    for (int i = 0; i < kElementCount; i++) {
        snprintf(hex, sizeof hex, "%06X ", (unsigned)c.value[i]);
        s += hex;
    }
    return s;
}

struct ExpectedBox {
    std::string text;
    UINT type;
    bool inGreeting;  // the desktop shows GreetingColors while it is up
};

void ExpectBoxes(const char *label, const std::vector<ExpectedBox> &want, const ColorSet &start) {
    ASSERT_EQ(want.size(), g_seen.size()) << label << ": number of boxes";
    for (size_t i = 0; i < want.size(); i++) {
        const SeenBox &got = g_seen[i];
        EXPECT_EQ(want[i].text, got.text) << label << ", box " << i + 1;
        EXPECT_EQ(want[i].type, got.type) << label << ", box " << i + 1 << ": type";
        EXPECT_EQ(nullptr, got.owner) << label << ", box " << i + 1 << ": owner";
        EXPECT_STREQ(g_app.TitleString, got.caption.c_str()) << label << ", box " << i + 1;
        ColorSet colors = want[i].inGreeting ? GreetingOver(start) : start;
        EXPECT_EQ(ColorText(colors), ColorText(got.colors)) << label << ", box " << i + 1 << ": colors";
    }
}

struct RoadBox {
    int firstId;  // IDS_GREETING: that string alone
    UINT type;
    bool inGreeting;
};

struct GreetingRoad {
    const char *label;
    bool startInGreeting;
    std::vector<int> replies;
    std::vector<RoadBox> boxes;
    bool greetingStays;
};

TEST(GreetingJapanese, EachRoadShowsItsBoxesAndLeavesItsColors) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    UseEdition(0);
    const UINT kFirst = MB_OK | MB_SYSTEMMODAL;
    const GreetingRoad roads[] = {
        {"already in the greeting colors",
         true,
         {},
         {{IDS_GREETING, kFirst, true}, {IDS_ALREADY_1, MB_OK, true}, {IDS_ABOUT_PRIMARY_1, MB_OK, true}},
         true},
        {"Yes",
         false,
         {IDOK, IDYES},
         {{IDS_GREETING, kFirst, false}, {IDS_TAKEOVER_1, MB_YESNO, true}, {IDS_ABOUT_PRIMARY_1, MB_OK, true}},
         true},
        {"No",
         false,
         {IDOK, IDNO},
         {{IDS_GREETING, kFirst, false},
          {IDS_TAKEOVER_1, MB_YESNO, true},
          {IDS_PARDON_1, MB_OK, false},
          {IDS_ABOUT_PRIMARY_1, MB_OK, false}},
         false},
    };
    for (const GreetingRoad &road : roads) {
        ColorSet start = road.startInGreeting ? GreetingOver(DistinctColors()) : DistinctColors();
        ApplyColors(start);
        RecordBoxes(road.replies);
        GreetingSequence();
        std::vector<ExpectedBox> want;
        for (const RoadBox &b : road.boxes)
            want.push_back({b.firstId == IDS_GREETING ? GreetingText() : RunText(b.firstId), b.type, b.inGreeting});
        ExpectBoxes(road.label, want, start);
        ColorSet after;
        CaptureColors(&after);
        EXPECT_EQ(ColorText(road.greetingStays ? GreetingOver(start) : start), ColorText(after)) << road.label;
    }
    ScriptBoxes();
}

TEST(GreetingJapanese, FirstBoxIsTheGreetingAlone) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    UseEdition(0);
    EXPECT_EQ("　我々は、ルミベインだ。", GreetingText());
}

TEST(AboutCommand, EnglishEditionShowsOneBoxWithTheAboutText) {
    UseEdition(2);
    ApplyColors(DistinctColors());
    RecordBoxes({});
    AboutCommand(CommandArgs{nullptr, nullptr, nullptr});
    ExpectBoxes("English About", {{RunText(IDS_ABOUT_ENGLISH_1), MB_OK, false}}, DistinctColors());
    ASSERT_FALSE(g_seen.empty());
    EXPECT_EQ(0u, g_seen[0].text.find("MS-Windows 'System Color Set' Management Utility\n\n"));
    ScriptBoxes();
}

// ---- The logo window ---------------------------------------------------

const char kLogoClassName[] = "LVLOGO";
const int kPictureWidth = 248;
const int kPictureHeight = 115;
const UINT_PTR kLogoTimerEvent = 0;  // the event the logo sets its timer with

// A spy on the logo window, put in place by a hook as the window is made:
// it sees every tick the logo handles and whether the tick repainted it.
// With fast set, it stops the logo's own timer and sends the next tick as
// soon as one is done, so that a whole run takes no time.
struct LogoSpy {
    bool fast = false;
    int endAfterTicks = -1;  // then post endMessage (or a quit with quitCode)
    UINT endMessage = 0;
    bool postQuit = false;
    int quitCode = 0;
    std::vector<int> checkHalfAfterTicks;  // the picture is checked after these ticks

    HWND window = nullptr;
    WNDPROC original = nullptr;
    int ticks = 0;
    int repaintingTicks = 0;
    bool paintedInTick = false;
    bool inTick = false;
    bool timerStopped = false;
    bool destroyed = false;
    int firstTickPainted = -1;  // the half the first tick showed, checked by pixels
    std::vector<std::string> pictures;
    RECT rect = {};
    HWND owner = nullptr;
    std::string title;
    LONG style = 0;
};

LogoSpy g_spy;
HHOOK g_logoHook = nullptr;
std::string PictureFault(HWND logo, int half);

LRESULT CALLBACK SpyOnLogo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LogoSpy &s = g_spy;
    if (message == WM_PAINT && s.inTick) s.paintedInTick = true;
    if (message == WM_DESTROY) s.destroyed = true;
    if (message != WM_TIMER) return CallWindowProcA(s.original, window, message, wParam, lParam);
    if (s.fast && !s.timerStopped) s.timerStopped = KillTimer(window, kLogoTimerEvent) != 0;
    s.inTick = true;
    s.paintedInTick = false;
    LRESULT result = CallWindowProcA(s.original, window, message, wParam, lParam);
    s.inTick = false;
    s.ticks++;
    if (s.paintedInTick) s.repaintingTicks++;
    for (int at : s.checkHalfAfterTicks)
        if (at == s.ticks) {
            // The picture at this tick: halves of 2 pixels a tick, up to the
            // last tick that repaints.
            int half = 2 * (s.ticks < 61 ? s.ticks : 61);
            std::string fault = PictureFault(window, half);
            s.pictures.push_back("after " + std::to_string(s.ticks) + " ticks: " + (fault.empty() ? "right" : fault));
        }
    if (s.ticks == 1) s.firstTickPainted = PictureFault(window, 2).empty() ? 2 : 0;
    if (s.ticks == s.endAfterTicks) {
        if (s.postQuit) PostQuitMessage(s.quitCode);
        else PostMessageA(window, s.endMessage, 0, 0);
    } else if (s.fast) {
        PostMessageA(window, WM_TIMER, kLogoTimerEvent, 0);
    }
    return result;
}

LRESULT CALLBACK HookLogoCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = (HWND)wParam;
        char cls[32] = "";
        GetClassNameA(window, cls, sizeof cls);
        if (strcmp(cls, kLogoClassName) == 0 && !g_spy.window) {
            g_spy.window = window;
            g_spy.original = (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)SpyOnLogo);
            const CREATESTRUCTA *cs = ((CBT_CREATEWNDA *)lParam)->lpcs;
            g_spy.rect = {cs->x, cs->y, cs->x + cs->cx, cs->y + cs->cy};
            g_spy.owner = cs->hwndParent;
            g_spy.title = cs->lpszName ? cs->lpszName : "";
            g_spy.style = cs->style;
        }
    }
    return CallNextHookEx(g_logoHook, code, wParam, lParam);
}

// Runs f with the spy watching for a logo window.
template <typename F>
auto WithSpy(LogoSpy spy, F f) -> decltype(f()) {
    g_spy = spy;
    g_logoHook = SetWindowsHookExA(WH_CBT, HookLogoCreation, nullptr, GetCurrentThreadId());
    auto result = f();
    UnhookWindowsHookEx(g_logoHook);
    return result;
}

// 32-bit pixels of a rectangle of a device context, 0x00RRGGBB.
std::vector<DWORD> Pixels(HDC source, int x, int y, int width, int height) {
    std::vector<DWORD> pixels((size_t)width * height);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const DWORD *p = (const DWORD *)bits;
    for (size_t i = 0; i < pixels.size(); i++) pixels[i] = p[i] & 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    return pixels;
}

std::vector<DWORD> PicturePixels(int *width, int *height) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), "LVLOGO");
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    *width = info.bmWidth;
    *height = info.bmHeight;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    std::vector<DWORD> pixels = Pixels(memory, 0, 0, info.bmWidth, info.bmHeight);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return pixels;
}

// The client area must be cyan but for the picture's two outer strips of
// `half` columns, side by side at the centre line.
std::string PictureFault(HWND logo, int half) {
    const DWORD cyan = 0x0000FFFF;
    int w = 0, h = 0;
    std::vector<DWORD> picture = PicturePixels(&w, &h);
    RECT client;
    GetClientRect(logo, &client);
    HDC dc = GetDC(logo);
    std::vector<DWORD> shown = Pixels(dc, 0, 0, client.right, client.bottom);
    ReleaseDC(logo, dc);
    int centre = client.right / 2, top = client.bottom / 2 - h / 2;
    int faults = 0;
    std::string first;
    for (int y = 0; y < client.bottom; y++) {
        for (int x = 0; x < client.right; x++) {
            DWORD want = cyan;
            if (y >= top && y < top + h && x >= centre - half && x < centre + half) {
                int source = x < centre ? x - (centre - half) : w - half + (x - centre);
                want = picture[(size_t)(y - top) * w + source];
            }
            DWORD got = shown[(size_t)y * client.right + x];
            if (got != want && faults++ == 0) {
                char s[96];
                snprintf(s, sizeof s, "at (%d,%d) expected %06lX, actual %06lX", x, y, (unsigned long)want,
                         (unsigned long)got);
                first = s;
            }
        }
    }
    return faults ? std::to_string(faults) + " pixels differ, first " + first : "";
}

int PictureWidth() {
    int w = 0, h = 0;
    PicturePixels(&w, &h);
    EXPECT_EQ(kPictureWidth, w);
    EXPECT_EQ(kPictureHeight, h);
    return w;
}

HWND MakeOwner() {
    return CreateWindowExA(0, "STATIC", "logo owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

int ShowLogoOf(HWND owner) { return ShowLogo(owner, GetModuleHandleA(nullptr), nullptr); }

struct Ender {
    const char *label;
    UINT message;
};

TEST(LogoWindow, KeyClickOrCloseEndsItAndEachShowStartsFromZero) {
    const int w = PictureWidth();
    const int h = kPictureHeight;
    HWND owner = MakeOwner();
    const Ender enders[] = {{"key", WM_KEYDOWN}, {"left click", WM_LBUTTONDOWN}, {"close", WM_CLOSE}};
    const int endAt = 6;
    for (const Ender &e : enders) {
        LogoSpy spy;
        spy.endMessage = e.message;
        spy.endAfterTicks = endAt;
        ASSERT_EQ(1, WithSpy(spy, [&] { return ShowLogoOf(owner); })) << e.label;
        const LogoSpy &seen = g_spy;
        ASSERT_TRUE(seen.window) << e.label << ": no logo window seen";
        EXPECT_TRUE(seen.destroyed) << e.label << ": the logo window is still there";
        EXPECT_FALSE(IsWindow(seen.window)) << e.label;
        EXPECT_EQ(2, seen.firstTickPainted) << e.label << ": the animation did not start from 0";
        EXPECT_GE(seen.ticks, endAt) << e.label;
        EXPECT_LT(seen.ticks, endAt + 5) << e.label << ": ended late";
        EXPECT_EQ(seen.ticks, seen.repaintingTicks) << e.label << ": every early tick repaints";
        EXPECT_EQ(owner, seen.owner) << e.label;
        EXPECT_EQ("Lumivane Logo", seen.title) << e.label;
        EXPECT_EQ((LONG)(WS_POPUP | WS_CHILD | WS_VISIBLE | WS_BORDER), seen.style) << e.label << ": style";
        int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        EXPECT_EQ(cx / 2 - w, seen.rect.left) << e.label;
        EXPECT_EQ(cy / 2 - h, seen.rect.top) << e.label;
        EXPECT_EQ(2 * w, seen.rect.right - seen.rect.left) << e.label;
        EXPECT_EQ(2 * h, seen.rect.bottom - seen.rect.top) << e.label;
    }
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "no quit is left behind";
    DestroyWindow(owner);
}

// For the 248-pixel picture: 61 repaints (halves of 2 to 122 pixels), and
// the end on the 125th tick, the first whose width passes the picture's.
TEST(LogoWindow, EndsOnTheTickThatPassesThePictureWidth) {
    ASSERT_EQ(kPictureWidth, PictureWidth());
    HWND owner = MakeOwner();
    LogoSpy spy;
    spy.fast = true;
    EXPECT_EQ(1, WithSpy(spy, [&] { return ShowLogoOf(owner); }));
    ASSERT_TRUE(g_spy.timerStopped) << "the logo's timer was not found under event " << kLogoTimerEvent;
    EXPECT_EQ(61, g_spy.repaintingTicks);
    EXPECT_EQ(125, g_spy.ticks);
    EXPECT_TRUE(g_spy.destroyed);
    EXPECT_EQ(nullptr, FindWindowA(kLogoClassName, nullptr));
    DestroyWindow(owner);
}

// The picture as shown after the first tick, a middle one, the last
// repainting one, and the first that repaints no more.
TEST(LogoWindow, PictureOpensFromTheCentreLine) {
    PictureWidth();
    HWND owner = MakeOwner();
    LogoSpy spy;
    spy.fast = true;
    spy.checkHalfAfterTicks = {1, 20, 61, 62};
    spy.endAfterTicks = 62;
    spy.endMessage = WM_KEYDOWN;
    ASSERT_EQ(1, WithSpy(spy, [&] { return ShowLogoOf(owner); }));
    std::vector<std::string> right;
    for (int at : spy.checkHalfAfterTicks) right.push_back("after " + std::to_string(at) + " ticks: right");
    EXPECT_EQ(right, g_spy.pictures);
    DestroyWindow(owner);
}

TEST(LogoWindow, QuitWhileUpEndsTheLogoAndIsPostedAgain) {
    const int kQuitCode = 7;
    HWND owner = MakeOwner();
    LogoSpy spy;
    spy.postQuit = true;
    spy.quitCode = kQuitCode;
    spy.endAfterTicks = 5;
    ASSERT_EQ(1, WithSpy(spy, [&] { return ShowLogoOf(owner); }));
    EXPECT_TRUE(g_spy.destroyed) << "the logo window is still there";
    EXPECT_LT(g_spy.ticks, 10) << "the logo went on after the quit";
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit message was swallowed";
    EXPECT_EQ((WPARAM)kQuitCode, msg.wParam);
    DestroyWindow(owner);
}

TEST(LogoWindow, MissingBitmapShowsNoWindow) {
    // A module without the picture; a previous instance skips the class.
    HINSTANCE noPicture = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(nullptr, noPicture);
    HWND owner = MakeOwner();
    EXPECT_EQ(0, WithSpy(LogoSpy(), [&] { return ShowLogo(owner, noPicture, noPicture); }));
    EXPECT_EQ(nullptr, g_spy.window);
    DestroyWindow(owner);
}

// The About command as the window runs it: the logo first, then the text.
void RunAbout(HWND owner, UINT endLogoWith) {
    g_app.Instance = GetModuleHandleA(nullptr);
    LogoSpy spy;
    spy.endMessage = endLogoWith;
    spy.endAfterTicks = 3;
    WithSpy(spy, [&] {
        AboutCommand(CommandArgs{owner, nullptr, nullptr});
        return 0;
    });
}

TEST(AboutCommandJapanese, SiblingEditionShowsTheLogoThenItsAboutText) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    UseEdition(1);
    ApplyColors(DistinctColors());
    HWND owner = MakeOwner();
    RecordBoxes({});
    RunAbout(owner, WM_KEYDOWN);
    EXPECT_TRUE(g_spy.window) << "no logo";
    ExpectBoxes("sibling About", {{RunText(IDS_ABOUT_SIBLING_1), MB_OK, false}}, DistinctColors());
    ScriptBoxes();
    DestroyWindow(owner);
}

TEST(AboutCommandJapanese, PrimaryEditionShowsTheLogoThenTheGreeting) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    UseEdition(0);
    ColorSet start = DistinctColors();
    ApplyColors(start);
    HWND owner = MakeOwner();
    RecordBoxes({IDOK, IDNO});
    RunAbout(owner, WM_LBUTTONDOWN);
    EXPECT_TRUE(g_spy.window) << "no logo";
    ExpectBoxes("primary About, No",
                {{GreetingText(), MB_OK | MB_SYSTEMMODAL, false},
                 {RunText(IDS_TAKEOVER_1), MB_YESNO, true},
                 {RunText(IDS_PARDON_1), MB_OK, false},
                 {RunText(IDS_ABOUT_PRIMARY_1), MB_OK, false}},
                start);
    ScriptBoxes();
    DestroyWindow(owner);
}

}  // namespace
