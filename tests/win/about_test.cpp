// The About texts read from the real string table, the greeting played
// against Wine's system colors, and the logo window run in this process.
#include <string.h>

#include <string>
#include <vector>

#include "../../colors/syscolors.h"
#include "../../commands/about.h"
#include "../../commands/commands.h"
#include "../../commands/logo.h"
#include "../../platform/win32.h"
#include "../../resources/resource.h"
#include "../../resources/strings.h"
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
    AboutCommand(nullptr, GetModuleHandleA(nullptr), nullptr);
    ExpectBoxes("English About", {{RunText(IDS_ABOUT_ENGLISH_1), MB_OK, false}}, DistinctColors());
    ASSERT_FALSE(g_seen.empty());
    EXPECT_EQ(0u, g_seen[0].text.find("MS-Windows 'System Color Set' Management Utility\n\n"));
    ScriptBoxes();
}

// ---- The logo window ---------------------------------------------------

const char kLogoClassName[] = "LVLOGO";
const int kPictureWidth = 248;
const int kPictureHeight = 115;
const UINT kWatchMs = 10;

// What a watcher saw of the logo window while its loop ran. The watcher is
// a timer of this thread, so it runs inside the logo's own message loop.
struct LogoWatch {
    UINT endMessage;     // posted to the logo to end it; 0: none
    bool postQuit;       // post a quit message instead, with quitCode
    int quitCode;
    int endAtRevealed;   // ... once this width is revealed
    int bitmapWidth;
    HWND window;
    int samples;
    int firstRevealed;
    int lastRevealed;
    int lastRepaints;
    bool ended;
    std::string stepFault;
    RECT rect;
    HWND owner;
    std::string title;
    LONG style;
};

LogoWatch g_watch;

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

void CALLBACK WatchLogo(HWND, UINT, UINT_PTR, DWORD) {
    LogoWatch &w = g_watch;
    HWND logo = FindWindowA(kLogoClassName, nullptr);
    if (!logo || w.ended) return;
    LONG_PTR progress = GetWindowLongPtrA(logo, GWLP_USERDATA);
    int revealed = LogoRevealedWidth(progress), repaints = LogoTimerRepaints(progress);
    if (w.samples++ == 0) {
        w.window = logo;
        w.firstRevealed = revealed;
        GetWindowRect(logo, &w.rect);
        w.owner = GetWindow(logo, GW_OWNER);
        char title[64] = "";
        GetWindowTextA(logo, title, sizeof title);
        w.title = title;
        w.style = GetWindowLongA(logo, GWL_STYLE);
    }
    // A tick repaints while the revealed width stays under half the picture.
    int ticks = revealed / 2;
    int repaintingTicks = (w.bitmapWidth / 2 - 1) / 2;
    int expectedRepaints = ticks < repaintingTicks ? ticks : repaintingTicks;
    if (w.stepFault.empty() && (revealed % 2 != 0 || repaints != expectedRepaints))
        w.stepFault = "revealed " + std::to_string(revealed) + " with " + std::to_string(repaints) +
                      " timer repaints, expected " + std::to_string(expectedRepaints);
    w.lastRevealed = revealed;
    w.lastRepaints = repaints;
    if (revealed >= w.endAtRevealed) {
        w.ended = true;
        if (w.postQuit)
            PostQuitMessage(w.quitCode);
        else if (w.endMessage)
            PostMessageA(logo, w.endMessage, 0, 0);
    }
}

int PictureWidth() {
    int w = 0, h = 0;
    PicturePixels(&w, &h);
    EXPECT_EQ(kPictureWidth, w);
    EXPECT_EQ(kPictureHeight, h);
    return w;
}

// Runs ShowLogo with a watcher; its result.
int WatchShowLogo(HWND owner, HINSTANCE instance, HINSTANCE prevInstance) {
    UINT_PTR timer = SetTimer(nullptr, 0, kWatchMs, WatchLogo);
    int shown = ShowLogo(owner, instance, prevInstance);
    KillTimer(nullptr, timer);
    return shown;
}

// Ticks sent by hand: the logo's own timer is stopped at the first look,
// then the test sends WM_TIMER itself, so the count is exact whatever the
// machine's speed.
struct TickDrive {
    int pictureWidth;
    int calls;
    bool timerStopped;
    bool upAtPictureWidth;  // still there once the revealed width equals it
    bool neededKey;         // still there after the tick that passes it
    int repaintsAtPictureWidth;
    int lastRevealed;
    std::string stepFault;
};

TickDrive g_drive;
const UINT_PTR kLogoTimerEvent = 0;  // the event the logo sets its timer with

// One tick sent to the logo; the first progress that breaks the steps is
// noted.
void SendTick(HWND logo) {
    TickDrive &d = g_drive;
    int before = LogoRevealedWidth(GetWindowLongPtrA(logo, GWLP_USERDATA));
    SendMessageA(logo, WM_TIMER, kLogoTimerEvent, 0);
    LONG_PTR progress = GetWindowLongPtrA(logo, GWLP_USERDATA);
    int revealed = LogoRevealedWidth(progress), repaints = LogoTimerRepaints(progress);
    int ticks = revealed / 2, repaintingTicks = (d.pictureWidth / 2 - 1) / 2;
    int expected = ticks < repaintingTicks ? ticks : repaintingTicks;
    if (d.stepFault.empty() && (revealed != before + 2 || repaints != expected))
        d.stepFault = "after " + std::to_string(before) + ": revealed " + std::to_string(revealed) + " with " +
                      std::to_string(repaints) + " timer repaints, expected " + std::to_string(before + 2) +
                      " with " + std::to_string(expected);
    d.lastRevealed = revealed;
}

void CALLBACK DriveLogo(HWND, UINT, UINT_PTR, DWORD) {
    TickDrive &d = g_drive;
    HWND logo = FindWindowA(kLogoClassName, nullptr);
    if (!logo) return;
    switch (d.calls++) {
    case 0:
        d.timerStopped = KillTimer(logo, kLogoTimerEvent) != 0;
        while (LogoRevealedWidth(GetWindowLongPtrA(logo, GWLP_USERDATA)) < d.pictureWidth) SendTick(logo);
        d.repaintsAtPictureWidth = LogoTimerRepaints(GetWindowLongPtrA(logo, GWLP_USERDATA));
        break;
    case 1:
        d.upAtPictureWidth = IsWindow(logo) != 0;
        SendTick(logo);
        break;
    default:
        d.neededKey = true;
        PostMessageA(logo, WM_KEYDOWN, VK_SPACE, 0);
        break;
    }
}

HWND MakeOwner() {
    return CreateWindowExA(0, "STATIC", "logo owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

struct Ender {
    const char *label;
    UINT message;
};

TEST(LogoWindow, KeyClickOrCloseEndsItAndEachShowStartsFromZero) {
    const int w = PictureWidth();
    const int h = kPictureHeight;
    HWND owner = MakeOwner();
    const Ender enders[] = {{"key", WM_KEYDOWN}, {"left click", WM_LBUTTONDOWN}, {"close", WM_CLOSE}};
    const int endAt = 12;
    for (const Ender &e : enders) {
        g_watch = LogoWatch();
        g_watch.endMessage = e.message;
        g_watch.endAtRevealed = endAt;
        g_watch.bitmapWidth = w;
        ASSERT_EQ(1, WatchShowLogo(owner, GetModuleHandleA(nullptr), nullptr)) << e.label;
        const LogoWatch &seen = g_watch;
        ASSERT_GT(seen.samples, 0) << e.label << ": no logo window seen";
        EXPECT_FALSE(IsWindow(seen.window)) << e.label << ": the logo window is still there";
        EXPECT_LT(seen.firstRevealed, endAt) << e.label << ": the animation did not start from 0";
        EXPECT_GE(seen.lastRevealed, endAt) << e.label;
        EXPECT_LT(seen.lastRevealed, endAt + 10) << e.label << ": ended late";
        EXPECT_EQ("", seen.stepFault) << e.label;
        EXPECT_EQ(owner, seen.owner) << e.label;
        EXPECT_EQ("Lumivane Logo", seen.title) << e.label;
        const LONG wanted = WS_POPUP | WS_VISIBLE | WS_BORDER;
        EXPECT_EQ(wanted, seen.style & wanted) << e.label << ": style " << std::hex << seen.style;
        EXPECT_EQ(0, seen.style & WS_DLGFRAME) << e.label << ": no caption";
        int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        EXPECT_EQ(cx / 2 - w, seen.rect.left) << e.label;
        EXPECT_EQ(cy / 2 - h, seen.rect.top) << e.label;
        EXPECT_EQ(2 * w, seen.rect.right - seen.rect.left) << e.label;
        EXPECT_EQ(2 * h, seen.rect.bottom - seen.rect.top) << e.label;
    }
    EXPECT_TRUE(g_watch.ended);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "no quit is left behind";
    DestroyWindow(owner);
}

TEST(LogoWindow, EndsOnTheTickThatPassesThePictureWidth) {
    const int w = PictureWidth();
    HWND owner = MakeOwner();
    g_drive = TickDrive();
    g_drive.pictureWidth = w;
    UINT_PTR timer = SetTimer(nullptr, 0, kWatchMs, DriveLogo);
    int shown = ShowLogo(owner, GetModuleHandleA(nullptr), nullptr);
    KillTimer(nullptr, timer);
    EXPECT_EQ(1, shown);
    ASSERT_TRUE(g_drive.timerStopped) << "the logo's timer was not found under event " << kLogoTimerEvent;
    EXPECT_EQ("", g_drive.stepFault);
    // 61 repaints for the 248-pixel picture: widths 2 to 122.
    EXPECT_EQ((w / 2 - 1) / 2, g_drive.repaintsAtPictureWidth);
    EXPECT_TRUE(g_drive.upAtPictureWidth) << "ended when the revealed width reached the picture width";
    EXPECT_EQ(w + 2, g_drive.lastRevealed);
    EXPECT_FALSE(g_drive.neededKey) << "did not end on the tick that passed the picture width";
    EXPECT_EQ(nullptr, FindWindowA(kLogoClassName, nullptr));
    DestroyWindow(owner);
}

// The picture as shown after the first tick, a middle one, the last
// repainting one, and the first that repaints no more.
struct PictureCheck {
    int revealed;
    int shownHalf;
};

std::vector<PictureCheck> g_pictureChecks;
std::vector<std::string> g_pictureFaults;
bool g_pictureTimerStopped;

void CALLBACK DrivePicture(HWND, UINT, UINT_PTR, DWORD) {
    HWND logo = FindWindowA(kLogoClassName, nullptr);
    if (!logo || !g_pictureFaults.empty()) return;
    g_pictureTimerStopped = KillTimer(logo, kLogoTimerEvent) != 0;
    for (const PictureCheck &c : g_pictureChecks) {
        while (LogoRevealedWidth(GetWindowLongPtrA(logo, GWLP_USERDATA)) < c.revealed) SendTick(logo);
        std::string fault = PictureFault(logo, c.shownHalf);
        g_pictureFaults.push_back("at width " + std::to_string(c.revealed) + ": " + (fault.empty() ? "right" : fault));
    }
    PostMessageA(logo, WM_KEYDOWN, VK_SPACE, 0);
}

TEST(LogoWindow, PictureOpensFromTheCentreLine) {
    const int w = PictureWidth();
    const int lastFrame = w / 2 - 2;
    HWND owner = MakeOwner();
    g_drive = TickDrive();
    g_drive.pictureWidth = w;
    g_pictureChecks = {{2, 2}, {40, 40}, {lastFrame, lastFrame}, {w / 2, lastFrame}};
    g_pictureFaults.clear();
    g_pictureTimerStopped = false;
    UINT_PTR timer = SetTimer(nullptr, 0, kWatchMs, DrivePicture);
    ASSERT_EQ(1, ShowLogo(owner, GetModuleHandleA(nullptr), nullptr));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_pictureTimerStopped);
    std::vector<std::string> right;
    for (const PictureCheck &c : g_pictureChecks) right.push_back("at width " + std::to_string(c.revealed) + ": right");
    EXPECT_EQ(right, g_pictureFaults);
    EXPECT_EQ("", g_drive.stepFault);
    DestroyWindow(owner);
}

TEST(LogoWindow, QuitWhileUpEndsTheLogoAndIsPostedAgain) {
    const int kQuitCode = 7;
    HWND owner = MakeOwner();
    g_watch = LogoWatch();
    g_watch.postQuit = true;
    g_watch.quitCode = kQuitCode;
    g_watch.endAtRevealed = 10;
    g_watch.bitmapWidth = PictureWidth();
    ASSERT_EQ(1, WatchShowLogo(owner, GetModuleHandleA(nullptr), nullptr));
    EXPECT_TRUE(g_watch.ended);
    EXPECT_FALSE(IsWindow(g_watch.window)) << "the logo window is still there";
    EXPECT_LT(g_watch.lastRevealed, 20) << "the logo went on after the quit";
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
    g_watch = LogoWatch();
    g_watch.endMessage = WM_KEYDOWN;
    g_watch.endAtRevealed = 0;
    EXPECT_EQ(0, WatchShowLogo(owner, noPicture, noPicture));
    EXPECT_EQ(0, g_watch.samples);
    EXPECT_EQ(nullptr, FindWindowA(kLogoClassName, nullptr));
    DestroyWindow(owner);
}

TEST(AboutCommandJapanese, SiblingEditionShowsTheLogoThenItsAboutText) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    UseEdition(1);
    ApplyColors(DistinctColors());
    HWND owner = MakeOwner();
    g_watch = LogoWatch();
    g_watch.endMessage = WM_KEYDOWN;
    g_watch.endAtRevealed = 6;
    g_watch.bitmapWidth = PictureWidth();
    RecordBoxes({});
    UINT_PTR timer = SetTimer(nullptr, 0, kWatchMs, WatchLogo);
    AboutCommand(owner, GetModuleHandleA(nullptr), nullptr);
    KillTimer(nullptr, timer);
    EXPECT_GT(g_watch.samples, 0) << "no logo";
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
    g_watch = LogoWatch();
    g_watch.endMessage = WM_LBUTTONDOWN;
    g_watch.endAtRevealed = 6;
    g_watch.bitmapWidth = PictureWidth();
    RecordBoxes({IDOK, IDNO});
    UINT_PTR timer = SetTimer(nullptr, 0, kWatchMs, WatchLogo);
    AboutCommand(owner, GetModuleHandleA(nullptr), nullptr);
    KillTimer(nullptr, timer);
    EXPECT_GT(g_watch.samples, 0) << "no logo";
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
