// The About command of each edition, run for real under Wine: the boxes,
// the logo window seen from outside, and the greeting's colors read back.
#include "../../core/colorset.h"
#include "../../resources/resource.h"
#include "logo_driver.h"

namespace {

const char kLogoClass[] = "LVLOGO";
const int kPictureWidth = 248;
const int kPictureHeight = 115;
// The logo ends by itself after about six seconds; this leaves room for a
// slow machine.
const DWORD kSelfEndTimeoutMs = 40000;
// A few ticks of the logo: it has begun to open.
const DWORD kOpeningMs = 200;

// One line of an expected text: exact, or only its leading blanks for a
// line whose wording is free.
struct TextLine {
    const char *text;
    const char *leading;
};

void ExpectRunText(const char *label, const std::vector<TextLine> &want, const std::string &text) {
    bool wellFormed = false;
    std::vector<std::string> lines = RunLines(text, &wellFormed);
    EXPECT_TRUE(wellFormed) << label << ": not lines each followed by an empty line: [" << text << "]";
    ASSERT_EQ(want.size(), lines.size()) << label << ": line count; text [" << text << "]";
    for (size_t i = 0; i < want.size(); i++) {
        if (want[i].text)
            EXPECT_EQ(want[i].text, lines[i]) << label << ", line " << i + 1;
        else
            EXPECT_EQ(want[i].leading, LeadingBlanks(lines[i])) << label << ", line " << i + 1 << ": [" << lines[i]
                                                                << "]";
    }
}

// A plain About box: no owner, OK only, no icon, not system-modal.
void ExpectPlainBox(const char *label, const Box &box, const std::string &caption) {
    EXPECT_EQ(caption, box.caption) << label;
    EXPECT_TRUE(box.hasOk) << label;
    EXPECT_FALSE(box.hasYes || box.hasNo || box.hasCancel) << label << ": buttons other than OK";
    EXPECT_EQ(nullptr, box.owner) << label;
    EXPECT_FALSE(BoxShowsIcon(box.window)) << label << ": an icon";
    EXPECT_FALSE(IsTopmost(box.window)) << label << ": system-modal";
}

const std::vector<TextLine> kEnglishAbout = {
    {"MS-Windows 'System Color Set' Management Utility", nullptr},
    {"          LUMIVANE version 2.1 beta-1.0", nullptr},
    {nullptr, "            "},
    {nullptr, ""},
    {nullptr, "            "},
    {nullptr, ""},
};

const std::vector<TextLine> kSiblingAbout = {
    {"ＭＳ－ＷＩＮＤＯＷＳ　システムカラー管理ユーティリティ", nullptr},
    {"           ヴェルティナ　Version 2.1 beta-1.0", nullptr},
    {nullptr, "                  "},
};

const std::vector<TextLine> kPrimaryAbout = {
    {"ＭＳ－ＷＩＮＤＯＷＳ　システムカラー管理ユーティリティ", nullptr},
    {"               るみべいん　Version 2.1 beta-1.0", nullptr},
    {nullptr, "         "},
    {nullptr, "  "},
};

const std::vector<TextLine> kTakeover = {
    {"　このシステムは、すでにルミベインの支配下にある。", nullptr},
    {"　我々は、このシステムをパステル・カラーに染め上げた。", nullptr},
    {"　あがいても、無駄だ。", nullptr},
    {nullptr, "　"},
    {"　　　　　　　観念したか？", nullptr},
};

const std::vector<TextLine> kPardon = {{"　しかたがない、", nullptr}, {"　今回だけは許してやろう。", nullptr}};

const std::vector<TextLine> kAlready = {
    {"　このシステムは、すでに、我々の支配下にあるようだ。", nullptr},
    {"　  我々は、ルミベインだ。", nullptr},
    {"　  我々は、ルミベインだ。", nullptr},
    {"　  我々は、ルミベインなんだってば。", nullptr},
};

const char kGreeting[] = "　我々は、ルミベインだ。";
const char kPrimaryTitle[] = "るみべいん";
const char kSiblingTitle[] = "ヴェルティナ";

bool LogoUp(const Program &program) { return WaitWindow(program, kLogoClass, 0) != nullptr; }

// ---- English edition ---------------------------------------------------

TEST(About, EnglishEditionShowsOneBoxEachTimeAndNoLogo) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    Program run;
    HWND main = StartWindowed(p, &run);
    ASSERT_TRUE(main) << "no main window";
    const char *const rounds[] = {"first About", "second About"};
    for (const char *label : rounds) {
        PostCommand(main, IDM_ABOUT);
        bool logoSeen = true;
        Box box = WaitBoxNotingLogo(run, &logoSeen);
        ASSERT_TRUE(box.window) << label << ": no box";
        EXPECT_FALSE(logoSeen) << label << ": the English edition shows no logo";
        ExpectRunText(label, kEnglishAbout, box.text);
        ExpectPlainBox(label, box, "Lumivane");
        SaveShot("about-english", box.window);
        Answer(box, IDOK);
    }
    PostCommand(main, IDM_EXIT);
    EXPECT_EQ(0, WaitExit(run));
}

// ---- Sibling Japanese edition: logo, then its About box ------------------

struct Ender {
    const char *label;
    UINT message;
    WPARAM wParam;
};

TEST(AboutJapaneseSibling, LogoEndsOnKeyClickOrCloseThenTheAboutBoxFollows) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    ProgramDir p = PrepareProgram(CurrentTestName(), "VELTINA.EXE");
    SIZE picture = LogoBitmapSize(p.exe);
    ASSERT_EQ(kPictureWidth, picture.cx);
    ASSERT_EQ(kPictureHeight, picture.cy);
    Program run;
    HWND main = StartWindowed(p, &run);
    ASSERT_TRUE(main) << "no main window";
    // Three About commands in one run, each logo ended another way.
    const Ender enders[] = {{"key", WM_KEYDOWN, VK_SPACE}, {"left click", WM_LBUTTONDOWN, MK_LBUTTON},
                            {"close", WM_CLOSE, 0}};
    for (const Ender &e : enders) {
        PostCommand(main, IDM_ABOUT);
        HWND logo = WaitWindow(run, kLogoClass);
        ASSERT_TRUE(logo) << e.label << ": no logo window";
        RECT r;
        GetWindowRect(logo, &r);
        int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        EXPECT_EQ(cx / 2 - picture.cx, r.left) << e.label;
        EXPECT_EQ(cy / 2 - picture.cy, r.top) << e.label;
        EXPECT_EQ(2 * picture.cx, r.right - r.left) << e.label;
        EXPECT_EQ(2 * picture.cy, r.bottom - r.top) << e.label;
        EXPECT_EQ(main, GetWindow(logo, GW_OWNER)) << e.label;
        EXPECT_EQ("Lumivane Logo", WindowText(logo)) << e.label;
        ASSERT_TRUE(LogoStaysUp(logo, kOpeningMs)) << e.label << ": the logo does not stay";
        EXPECT_EQ(nullptr, WaitBox(run, 0).window) << e.label << ": a box while the logo is up";
        PostMessageA(logo, e.message, e.wParam, 0);
        EXPECT_TRUE(WaitGone(logo, 5000)) << e.label << ": the logo stays";
        Box box = WaitBox(run);
        ASSERT_TRUE(box.window) << e.label << ": no box";
        EXPECT_FALSE(LogoUp(run)) << e.label;
        ExpectRunText(e.label, kSiblingAbout, box.text);
        ExpectPlainBox(e.label, box, kSiblingTitle);
        SaveShot("about-veltina", box.window);
        Answer(box, IDOK);
    }
    PostCommand(main, IDM_EXIT);
    EXPECT_EQ(0, WaitExit(run));
}

TEST(AboutJapaneseSibling, LogoEndsByItselfOnceThePictureWidthIsPassed) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    ProgramDir p = PrepareProgram(CurrentTestName(), "VELTINA.EXE");
    const int w = LogoBitmapSize(p.exe).cx;
    ASSERT_EQ(kPictureWidth, w);
    Program run;
    HWND main = StartWindowed(p, &run);
    ASSERT_TRUE(main) << "no main window";
    PostCommand(main, IDM_ABOUT);
    HWND logo = WaitWindow(run, kLogoClass);
    ASSERT_TRUE(logo) << "no logo window";
    // About 30 ticks of 50 ms: the picture is half open.
    ASSERT_TRUE(LogoStaysUp(logo, 1500));
    SaveFrozenShot("logo-half", logo);
    EXPECT_TRUE(WaitGone(logo, kSelfEndTimeoutMs)) << "still up after " << kSelfEndTimeoutMs << " ms";
    Box box = WaitBox(run);
    ASSERT_TRUE(box.window) << "no box after the logo";
    ExpectRunText("About after the logo", kSiblingAbout, box.text);
    Answer(box, IDOK);
    PostCommand(main, IDM_EXIT);
    EXPECT_EQ(0, WaitExit(run));
}

// Closes the main window while the logo is up; the program's exit code
// (-1 when it has not ended).
int CloseUnderTheLogo(const char *exeName) {
    ProgramDir p = PrepareProgram(CurrentTestName(), exeName);
    Program run;
    HWND main = StartWindowed(p, &run);
    EXPECT_TRUE(main) << "no main window";
    if (!main) return -1;
    PostCommand(main, IDM_ABOUT);
    HWND logo = WaitWindow(run, kLogoClass);
    EXPECT_TRUE(logo) << "no logo window";
    EXPECT_TRUE(logo && LogoStaysUp(logo, kOpeningMs));
    PostMessageA(main, WM_CLOSE, 0, 0);
    int exitCode = WaitExit(run, 15000);
    if (exitCode == -1) Kill(run);
    return exitCode;
}

// Closing the main window while the logo is up: the logo's loop must hand
// the quit on, and the program ends with exit code 0.
TEST(AboutJapaneseSibling, ClosingTheMainWindowUnderTheLogoEndsTheProgram) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    EXPECT_EQ(0, CloseUnderTheLogo("VELTINA.EXE")) << "-1: still running";
}

// In the primary edition the greeting would follow the logo: a program that
// is ending must not take over the desktop's colors on its way out.
TEST(AboutJapanesePrimary, ClosingTheMainWindowUnderTheLogoSkipsTheGreeting) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    SetDesktopColors(StartingColors());
    EXPECT_EQ(0, CloseUnderTheLogo("LUMVAN32.EXE")) << "-1: still running";
    EXPECT_EQ(StartingColors(), ReadDesktopColors()) << "no greeting colors left behind";
}

// ---- Primary Japanese edition: logo, then the greeting -------------------

std::vector<unsigned> GreetingOver(const std::vector<unsigned> &base) {
    std::vector<unsigned> c = base;
    for (int i = 0; i < kElementCount; i++)
        if (GreetingColors.value[i] != kKeepColor) c[i] = (unsigned)GreetingColors.value[i];
    return c;
}

// One box of a road: its text, the answer given, and the desktop's colors
// while it is up.
struct RoadStep {
    const char *shot;
    const char *greetingText;               // the greeting alone, or null
    const std::vector<TextLine> *runLines;  // otherwise the run
    bool question;
    int answer;
    bool inGreeting;
};

struct Road {
    const char *label;
    bool startInGreeting;
    std::vector<RoadStep> steps;
    bool greetingStays;
};

TEST(AboutJapanesePrimary, GreetingTakesEachOfItsThreeRoads) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    const Road roads[] = {
        {"already in the greeting colors",
         true,
         {{"greeting-first", kGreeting, nullptr, false, IDOK, true},
          {"greeting-already", nullptr, &kAlready, false, IDOK, true},
          {"about-lumivane", nullptr, &kPrimaryAbout, false, IDOK, true}},
         true},
        {"Yes",
         false,
         {{"greeting-first", kGreeting, nullptr, false, IDOK, false},
          {"greeting-question", nullptr, &kTakeover, true, IDYES, true},
          {"about-lumivane", nullptr, &kPrimaryAbout, false, IDOK, true}},
         true},
        {"No",
         false,
         {{"greeting-first", kGreeting, nullptr, false, IDOK, false},
          {"greeting-question", nullptr, &kTakeover, true, IDNO, true},
          {"greeting-pardon", nullptr, &kPardon, false, IDOK, false},
          {"about-lumivane", nullptr, &kPrimaryAbout, false, IDOK, false}},
         false},
    };
    for (const Road &road : roads) {
        ProgramDir p = PrepareProgram(CurrentTestName() + "_" + std::to_string(&road - roads));
        std::vector<unsigned> start = road.startInGreeting ? GreetingOver(StartingColors()) : StartingColors();
        SetDesktopColors(start);
        Program run;
        HWND main = StartWindowed(p, &run);
        ASSERT_TRUE(main) << road.label << ": no main window";
        PostCommand(main, IDM_ABOUT);
        HWND logo = WaitWindow(run, kLogoClass);
        ASSERT_TRUE(logo) << road.label << ": no logo window";
        ASSERT_TRUE(LogoStaysUp(logo, kOpeningMs)) << road.label;
        PostMessageA(logo, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        for (size_t i = 0; i < road.steps.size(); i++) {
            const RoadStep &step = road.steps[i];
            std::string label = std::string(road.label) + ", box " + std::to_string(i + 1);
            Box box = WaitBox(run);
            ASSERT_TRUE(box.window) << label << ": no box";
            EXPECT_FALSE(LogoUp(run)) << label;
            if (step.greetingText)
                EXPECT_EQ(step.greetingText, box.text) << label;
            else
                ExpectRunText(label.c_str(), *step.runLines, box.text);
            EXPECT_EQ(kPrimaryTitle, box.caption) << label;
            EXPECT_EQ(nullptr, box.owner) << label;
            EXPECT_FALSE(BoxShowsIcon(box.window)) << label << ": an icon";
            EXPECT_EQ(step.question, box.hasYes && box.hasNo) << label << ": Yes and No";
            EXPECT_EQ(!step.question, box.hasOk) << label << ": OK";
            EXPECT_FALSE(box.hasCancel) << label;
            EXPECT_EQ(step.greetingText != nullptr, IsTopmost(box.window)) << label << ": system-modal";
            EXPECT_EQ(step.inGreeting ? GreetingOver(start) : start, ReadDesktopColors()) << label << ": colors";
            SaveShot(step.shot, box.window);
            Answer(box, step.answer);
        }
        EXPECT_EQ(road.greetingStays ? GreetingOver(start) : start, ReadDesktopColors()) << road.label;
        PostCommand(main, IDM_EXIT);
        EXPECT_EQ(0, WaitExit(run)) << road.label;
    }
}

// ---- Without the logo bitmap --------------------------------------------

struct MissingCase {
    const char *exeName;
    const char *caption;
    const char *greetingText;                // first box: the greeting alone, or
    const std::vector<TextLine> *aboutLines; // the About run
};

TEST(AboutJapaneseMissingLogo, NoLogoWindowAndTheTextFollowsAtOnce) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    const MissingCase cases[] = {
        {"VELTINA.EXE", kSiblingTitle, nullptr, &kSiblingAbout},
        {"LUMVAN32.EXE", kPrimaryTitle, kGreeting, nullptr},
    };
    for (const MissingCase &c : cases) {
        ProgramDir p = PrepareProgram(CurrentTestName() + "_" + c.exeName, c.exeName);
        ASSERT_TRUE(CopyResourcesWithoutLogo(DriverDir() + "LUMVAN32.EXE", p.exe)) << c.exeName;
        SIZE left = LogoBitmapSize(p.exe);
        ASSERT_EQ(0, left.cx) << c.exeName << ": the bitmap is still in the copy";
        SetDesktopColors(StartingColors());
        Program run;
        HWND main = StartWindowed(p, &run);
        ASSERT_TRUE(main) << c.exeName << ": no main window";
        PostCommand(main, IDM_ABOUT);
        bool logoSeen = true;
        Box box = WaitBoxNotingLogo(run, &logoSeen);
        ASSERT_TRUE(box.window) << c.exeName << ": no box";
        EXPECT_FALSE(logoSeen) << c.exeName;
        EXPECT_EQ(c.caption, box.caption) << c.exeName;
        if (c.greetingText) {
            EXPECT_EQ(c.greetingText, box.text) << c.exeName;
            // The rest of the greeting: refuse, then the pardon and the About text.
            Answer(box, IDOK);
            const int answers[] = {IDNO, IDOK, IDOK};
            for (int answer : answers) {
                Box next = WaitBox(run);
                ASSERT_TRUE(next.window) << c.exeName;
                Answer(next, answer);
            }
            EXPECT_EQ(StartingColors(), ReadDesktopColors()) << c.exeName;
        } else {
            ExpectRunText(c.exeName, *c.aboutLines, box.text);
            Answer(box, IDOK);
        }
        PostCommand(main, IDM_EXIT);
        EXPECT_EQ(0, WaitExit(run)) << c.exeName;
    }
}

}  // namespace
