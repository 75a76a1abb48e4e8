// About in the running program: a box in the English edition; the logo, then the text or the greeting, in the Japanese
// ones.
#include "app.h"

static const std::string kJapanese = "ＭＳ－ＷＩＮＤＯＷＳ　システムカラー管理ユーティリティ\n\n";

// Answers the boxes in turn, checking how each text begins (and, while the greeting asks, that the desktop wears its
// colors). Whether a logo showed first: twice its 248 by 115 picture, centred, owned by the main window, ended by a
// key, or by itself after its 125 ticks of 50 ms.
static bool RunAbout(const App &app, const Boxes &boxes, bool key = true) {
    PostCommand(app.main, IDM_ABOUT);
    HWND logo = nullptr;
    WaitFor([&] { return (logo = WindowOf(app.program, "LVLOGO")) || BoxOf(app.program).window; });
    RECT r = {};
    if (logo && GetWindowRect(logo, &r)) {
        int x = GetSystemMetrics(SM_CXSCREEN) / 2 - 248, y = GetSystemMetrics(SM_CYSCREEN) / 2 - 115;
        EXPECT_EQ((std::vector<LONG>{x, y, x + 496, y + 230}), (std::vector<LONG>{r.left, r.top, r.right, r.bottom}));
        EXPECT_EQ("Lumivane Logo|owned", TextOf(logo) + (GetWindow(logo, GW_OWNER) == app.main ? "|owned" : ""));
        EXPECT_FALSE(WaitFor([&] { return BoxOf(app.program).window != nullptr; }, 200)) << "a box under the logo";
        if (key) PostMessageA(logo, WM_KEYDOWN, VK_SPACE, 0);
    }
    for (const auto &b : boxes) {
        Box box = WaitBox(app.program, 20000);
        EXPECT_EQ(b.first + "|no owner", box.text.substr(0, b.first.size()) + (box.owner ? "|owned" : "|no owner"));
        if (b.second == IDNO) {
            EXPECT_EQ(0x0080FF00u, DesktopColors()[1]) << "the greeting's colors while it asks";
        }
        Answer(box, b.second);
    }
    return logo != nullptr;
}

TEST(About, EnglishEditionShowsItsBox) {
    App app = StartApp(PrepareProgram());
    EXPECT_FALSE(RunAbout(app, {{"MS-Windows 'System Color Set' Management Utility\n\n          LUMIVANE version",
                                 IDOK}}));
    EXPECT_EQ(0, ExitApp(app));
}

// The sibling edition's logo ends by itself; the primary edition's greeting, refused, takes its colors off again;
// closed under the logo, the program ends without it.
TEST(AboutJapanese, LogoThenTheTextOrTheGreeting) {
    SetDesktopColors(StartingColors());
    App app = StartApp(PrepareProgram("VELTINA.EXE"));
    EXPECT_TRUE(RunAbout(app, {{kJapanese + "           ヴェルティナ", IDOK}}, false));
    EXPECT_EQ(0, ExitApp(app));
    app = StartApp(PrepareProgram());
    EXPECT_TRUE(RunAbout(app, {{"　我々は、ルミベインだ。", IDOK},
                               {"　このシステムは、すでにルミベインの支配下にある。", IDNO},
                               {"　しかたがない、", IDOK},
                               {kJapanese + "               るみべいん", IDOK}}));
    EXPECT_EQ(0, ExitApp(app));
    EXPECT_EQ(StartingColors(), DesktopColors());
    // Closing the main window under the logo ends the program, and the greeting that would follow never takes over the
    // desktop's colors.
    app = StartApp(PrepareProgram());
    PostCommand(app.main, IDM_ABOUT);
    ASSERT_TRUE(WaitWindow(app.program, "LVLOGO"));
    PostMessageA(app.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, WaitExit(app.program, 15000)) << "-1: still running";
    EXPECT_EQ(StartingColors(), DesktopColors());
}
