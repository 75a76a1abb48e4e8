// Desktop theme texts: which texts are themes, their colors, values, names, and the text the program writes.
#include "core/scheme_codec.h"
#include "core/setfile_text.h"
#include "core/theme_text.h"
#include "test_support.h"

// The names of every element as themes and win.ini spell them, in index order.
static const char *const kNames[] = {
    "Scrollbar", "Background", "ActiveTitle", "InactiveTitle", "Menu", "Window", "WindowFrame", "MenuText",
    "WindowText", "TitleText", "ActiveBorder", "InactiveBorder", "AppWorkspace", "Hilight", "HilightText", "ButtonFace",
    "ButtonShadow", "GrayText", "ButtonText", "InactiveTitleText", "ButtonHilight", "ButtonDkShadow", "ButtonLight",
    "InfoText", "InfoWindow", "ButtonAlternateFace", "HotTrackingColor", "GradientActiveTitle",
    "GradientInactiveTitle", "MenuHilight", "MenuBar"};
static_assert(std::size(kNames) == kSystemColorCount, "one name an element");

// The elements a whole set names, as "index=HEX ...".
static std::string Named(const WholeColorSet &set) { return Differing(set, WholeKept); }

// A theme holds every element (the editor lets each be edited); the names are proven by the theme naming every one.
TEST(Elements, ThemesHoldEveryOne) {
    for (int i = 0; i < kSystemColorCount; i++) EXPECT_TRUE(ElementHeldBy(i, kHeldByTheme)) << ElementNames[i];
}

TEST_F(ShiftJisTest, ThemeColors) {
    const std::string c = "[Control Panel\\Colors]\r\n", big = c + std::string(10 << 20, ';') + "\r\nMenu=1 2 3";
    std::string every = c;  // every name, element i as red i
    for (int i = 0; i < kSystemColorCount; i++) every += kNames[i] + ("=" + std::to_string(i) + " 0 0\r\n");
    struct { std::string text; bool theme; int taken; const char *named; } cases[] = {
        // text                                                                 theme  taken  named
        {every,                                                                  true,  31,    "0=0 1=1 2=2 3=3 4=4 "
             "5=5 6=6 7=7 8=8 9=9 10=A 11=B 12=C 13=D 14=E 15=F 16=10 17=11 18=12 19=13 20=14 21=15 22=16 23=17 "
             "24=18 25=19 26=1A 27=1B 28=1C 29=1D 30=1E"},
        {"[Theme]\r\n" + c + "background=1 2 3\r\n WINDOW = 4 5 6 \r\n",        true,  2,     "1=30201 5=60504"},
        {c + "Menu=\v1 2 3\f\r\n",                                               true,  1,     "4=30201"},  // VT, FF blanks
        {"[control panel\\colors]\ninactivetitletext=1 2 3\nMENUBAR=4 5 6\nbuttonDKshadow = 7 8 9", true, 3,
             "19=30201 21=90807 30=60504"},
        {c + "Menu=1 2\r\nMenu=1 2 3 4\r\nMenu=x\r\nMenu=256 0 0\r\nMenu=-1 2 3\r\nMenu=1,2,3\r\nMenu=9 9 9", true,
             1, "4=90909"},  // badly given colors are passed over
        {c + "InfoText=0300 0 0\r\nInfoWindow=255 255 255\r\nMenuBar=1 2\r\n",        true,  1,     "24=FFFFFF"},
        {c + "Menu=1 2 3\x83\r\nWindow=4 5 6\r\n[Theme]\r\nScrollbar=1 1 1",    true,  1,     "5=60504"},  // a lone lead byte
        {"[Theme]\r\n; [Control Panel\\Colors]\r\n[Control Panel\\Colors2]\r\nMenu=1 2 3", false, 0, ""},
        {"[Theme]\r\nDisplayName=x\r\nMenuBar=1 2 3\r\n",                      false, 0,     ""},  // no colors section
        {"[WindowsSystemColors]\r\n" + c + "Menu=1 2 3",                         false, 1,     "4=30201"},  // a color set
        {"[Theme]\r\n" + c.substr(0, 12) + '\0' + c.substr(13) + "Menu=1 2 3",   false, 0,     ""},
        {big,                                                                    true,  1,     "4=30201"},  // 10 MB
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &t = cases[i];
        WholeColorSet set;
        EXPECT_EQ(t.theme, IsThemeText(t.text.c_str())) << "row " << i;
        EXPECT_EQ(t.taken, ThemeColorsFromText(t.text.c_str(), WholeKept, &set)) << "row " << i;
        EXPECT_EQ(t.named, Named(set)) << "row " << i;
    }
}

TEST_F(ShiftJisTest, ThemeValues) {
    const char *text = "[theme]\r\nDisplayName = @themeui.dll,-2013 \r\n[Control Panel\\Desktop]\r\nWallPaper=%Dir%\\"
                       "a=b.bmp\r\nTileWallpaper=12345678\r\n[Control Panel\\Desktop]\r\nWallpaper=second";
    struct { const char *section, *key; size_t cap; ThemeValueResult result; const char *value; } cases[] = {
        // section                 key              cap  result              value
        {"Theme",                  "DisplayName",   32,  kThemeValueRead,    "@themeui.dll,-2013"},
        {"Control Panel\\Desktop", "wallpaper",     32,  kThemeValueRead,    "%Dir%\\a=b.bmp"},
        {"Control Panel\\Desktop", "TileWallpaper", 9,   kThemeValueRead,    "12345678"},
        {"Control Panel\\Desktop", "TileWallpaper", 8,   kThemeValueTooLong, ""},  // refused, never cut
        {"Control Panel\\Desktop", "Tile",          32,  kThemeValueAbsent,  ""},
        {"Desktop",                "Wallpaper",     32,  kThemeValueAbsent,  ""},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        char value[32] = "old";
        EXPECT_EQ(c.result, ThemeValue(text, c.section, c.key, value, c.cap)) << "row " << i;
        EXPECT_STREQ(c.value, value) << "row " << i;
    }
}

TEST(ThemeFile, Compose) {
    WholeColorSet colors;  // element i as red i, Background its own, ButtonAlternateFace kept: no line
    for (int i = 0; i < kSystemColorCount; i++) colors.value[i] = i == 1 ? 0x0A0B0C : i == 25 ? kKeepColor : i;
    std::string text, refused = "old";
    ASSERT_EQ(kComposed, ComposeThemeFile(colors, "Sea\r\nmore", "C:\\w.bmp", 1, &text));
    const std::string head = "[Theme]\r\nDisplayName=Sea\r\n\r\n[Control Panel\\Colors]\r\nScrollbar=0 0 0\r\n"
                             "Background=12 11 10\r\nActiveTitle=2 0 0\r\n";
    EXPECT_EQ(head, text.substr(0, head.size()));
    EXPECT_NE(std::string::npos, text.find("\r\nButtonText=18 0 0\r\nInactiveTitleText=19 0 0\r\n"));
    EXPECT_EQ("InfoWindow=24 0 0\r\nHotTrackingColor=26 0 0\r\nGradientActiveTitle=27 0 0\r\n"
              "GradientInactiveTitle=28 0 0\r\nMenuHilight=29 0 0\r\nMenuBar=30 0 0\r\n\r\n[Control Panel\\Desktop]\r\n"
              "Wallpaper=C:\\w.bmp\r\nTileWallpaper=1\r\n\r\n[MasterThemeSelector]\r\nMTSM=DABJDKT\r\n",
              text.substr(text.find("InfoWindow")));
    EXPECT_EQ(kComposeNameTooLong, ComposeThemeFile(colors, "", "a\nb", 0, &refused));
    EXPECT_TRUE(HasThemeExtension("C:\\a.b\\Sea.Theme") && !HasThemeExtension("x.themes"));
}

TEST_F(ShiftJisTest, SetFileEitherForm) {
    const std::string col = "[WindowsSystemColors]\r\n[ListOfColors]\r\n", theme = "[Control Panel\\Colors]\r\n";
    struct { std::string text; SetFileForm form; SetFileColorsResult result; const char *named; } cases[] = {
        // text                                               form             result                 named
        {col + "Menu= 1 2 3\r\nMenuBar= 4 5 6\r\n",             kSetFileCurrent, kSetColorsRead,        "4=30201"},
        {"[るみべいん]\r\nT\r\nWindow= 1 2 3\r\n",               kSetFileLegacy,  kSetColorsRead,        "5=30201"},
        {theme + "MenuBar=1 2 3\r\n",                           kSetFileTheme,   kSetColorsRead,        "30=30201"},
        {theme + "MenuBar=1 2\r\n",                             kSetFileTheme,   kSetColorsNoneNamed,   ""},
        {"[WindowsSystemColors]\r\nMenu= 1 2 3\r\n",            kSetFileCurrent, kSetColorsNoList,      ""},
        {"Menu=1 2 3\r\n",                                      kSetFileNone,    kSetColorsNotColorSet, ""},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        WholeColorSet set;
        int bad = -1;
        EXPECT_EQ(c.form, SetFileFormOf(c.text.c_str())) << "row " << i;
        EXPECT_EQ(c.result, SetFileColorsFromText(c.text.c_str(), WholeKept, &set, &bad)) << "row " << i;
        EXPECT_EQ(c.named, c.result == kSetColorsRead ? Named(set) : "") << "row " << i;
        EXPECT_EQ(0, bad) << "row " << i;
    }
    EXPECT_EQ(kSetFileTheme, SetFileFormForName("C:\\a.col\\Sea.THEME"));
    EXPECT_EQ(kSetFileCurrent, SetFileFormForName("sea.theme.col"));
}
