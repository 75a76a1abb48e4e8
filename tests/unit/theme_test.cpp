// Desktop theme texts: which texts are themes, their colors, values, names, and the text the program writes.
#include "core/theme_text.h"
#include "test_support.h"

TEST_F(ShiftJisTest, ThemeColors) {
    const std::string c = "[Control Panel\\Colors]\r\n", big = c + std::string(10 << 20, ';') + "\r\nMenu=1 2 3";
    struct { std::string text; bool theme; int taken; const char *changed; } cases[] = {
        // text                                                                 theme  taken  changed
        {"[Theme]\r\n" + c + "background=1 2 3\r\n WINDOW = 4 5 6 \r\n",        true,  2,     "1=30201 5=60504"},
        {c + "Menu=\v1 2 3\f\r\n",                                               true,  1,     "4=30201"},  // VT, FF blanks
        {"[control panel\\colors]\nInactiveTitleText=1 2 3\nMenuHilight=1 2 3\nWindowFrame=7 8 9", true, 1, "6=90807"},
        {c + "Menu=1 2\r\nMenu=1 2 3 4\r\nMenu=x\r\nMenu=300 0 0\r\nMenu=9 9 9\r\n", true, 1,   "4=2C"},
        {c + "Menu=1 2 3\x83\r\nWindow=4 5 6\r\n[Theme]\r\nScrollbar=1 1 1",    true,  1,     "5=60504"},  // a lone lead byte
        {c + "InfoWindow=1 2 3\r\n",                                             true,  0,     ""},
        {"[Theme]\r\n; [Control Panel\\Colors]\r\n[Control Panel\\Colors2]\r\nMenu=1 2 3", false, 0, ""},
        {"[WindowsSystemColors]\r\n" + c + "Menu=1 2 3",                         false, 1,     "4=30201"},  // a color set
        {"[Theme]\r\n" + c.substr(0, 12) + '\0' + c.substr(13) + "Menu=1 2 3",   false, 0,     ""},
        {big,                                                                    true,  1,     "4=30201"},  // 10 MB
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &t = cases[i];
        ColorSet set;
        EXPECT_EQ(t.theme, IsThemeText(t.text.c_str())) << "row " << i;
        EXPECT_EQ(t.taken, ThemeColorsFromText(t.text.c_str(), Desktop(), &set)) << "row " << i;
        EXPECT_EQ(t.changed, Changed(set)) << "row " << i;
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
    ColorSet colors;
    for (int i = 0; i < kElementCount; i++) colors.value[i] = i == 1 ? 0x0A0B0C : i;
    std::string text, refused = "old";
    ASSERT_EQ(kComposed, ComposeThemeFile(colors, "Sea\r\nmore", "C:\\w.bmp", 1, &text));
    const std::string head = "[Theme]\r\nDisplayName=Sea\r\n\r\n[Control Panel\\Colors]\r\nScrollbar=0 0 0\r\n"
                             "Background=12 11 10\r\nActiveTitle=2 0 0\r\n";
    EXPECT_EQ(head, text.substr(0, head.size()));
    EXPECT_EQ("ButtonText=18 0 0\r\n\r\n[Control Panel\\Desktop]\r\nWallpaper=C:\\w.bmp\r\nTileWallpaper=1\r\n\r\n"
              "[MasterThemeSelector]\r\nMTSM=DABJDKT\r\n", text.substr(text.find("ButtonText")));
    EXPECT_EQ(kComposeNameTooLong, ComposeThemeFile(colors, "", "a\nb", 0, &refused));
    EXPECT_TRUE(HasThemeExtension("C:\\a.b\\Sea.Theme") && !HasThemeExtension("x.themes"));
}
