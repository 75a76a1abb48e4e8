// Color-set files (the text the program writes; reading title, colors and wallpaper) and the control panel's scheme
// line.
#include "core/colfile_text.h"
#include "core/scheme_codec.h"
#include "test_support.h"

#define HEAD "[WindowsSystemColors] VER01.00\r\n"
#define LIST "[ListOfColors]\r\nScrollbar= 0 1 2\r\nBackground= 1 2 3\r\nActiveTitle= 2 3 4\r\n"           \
    "InactiveTitle= 3 4 5\r\nMenu= 4 5 6\r\nWindow= 5 6 7\r\nWindowFrame= 6 7 8\r\nMenuText= 7 8 9\r\n"    \
    "WindowText= 8 9 10\r\nTitleText= 9 10 11\r\nActiveBorder= 10 11 12\r\nInactiveBorder= 11 12 13\r\n"   \
    "AppWorkspace= 12 13 14\r\nHilight= 13 14 15\r\nHilightText= 14 15 16\r\nButtonFace= 15 16 17\r\n"     \
    "ButtonShadow= 16 17 18\r\nGrayText= 17 18 19\r\n"

TEST_F(ShiftJisTest, ComposeColorSetFile) {
    ColorSet colors;  // element i is (i, i + 1, i + 2), but the last one, kept: no line
    for (int i = 0; i < kElementCount; i++) colors.value[i] = i < 18 ? (i + 2) << 16 | (i + 1) << 8 | i : kKeepColor;
    const std::string t128(128, 't'), t129 = t128.substr(1) + "ソ", t130 = t128 + "ソ", w118(118, 'w'), w119(119, 'w');
    const char *const none = nullptr;
    struct { const char *primary, *sibling, *english, *paper; int tile; std::string text; } cases[] = {
        // primary  sibling   English        wallpaper     tile  text ("refused": not composed)
        {"夕焼け",    "夕焼け",   "Sunset",      "sunset.bmp", 1,    HEAD "[LUMIVANE]\r\n夕焼け\r\n[VELTINA]\r\n夕焼け\r\n"
                                                                     "[ENGLISH]\r\nSunset\r\n" LIST "[WallPaper]\r\n"
                                                                     "Wallpaper= sunset.bmp\r\nTileWallpaper= 1\r\n"},
        {none,      none,     "Sunset\nmore", none,        0,    HEAD "[ENGLISH]\r\nSunset\r\n" LIST},
        {none,      "",       none,          "",           0,    HEAD "[VELTINA]\r\n\r\n" LIST "[WallPaper]\r\n"
                                                                     "Wallpaper= \r\nTileWallpaper= 0\r\n"},
        {none,      none,     t129.c_str(),  none,         0,    HEAD "[ENGLISH]\r\n" + t129 + "\r\n" LIST},
        {none,      none,     t130.c_str(),  none,         0,    HEAD "[ENGLISH]\r\n" + t128 + "\r\n" LIST},
        {none,      none,     none,          w118.c_str(), -3,   HEAD LIST "[WallPaper]\r\nWallpaper= " + w118 +
                                                                     "\r\nTileWallpaper= -3\r\n"},
        {none,      none,     none,          w119.c_str(), 0,    "refused"},
        {none,      none,     none,          "a\nb",       0,    "refused"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        std::string out = "old";
        ComposeResult r = ComposeColorSetFile(colors, c.primary, c.sibling, c.english, c.paper, c.tile, &out);
        EXPECT_EQ(c.text, r == kComposeNameTooLong ? "refused" + out : out) << "row " << i;
    }
}

TEST_F(ShiftJisTest, TitleFromText) {
    struct { const char *text, *title[kEditionCount]; } cases[] = {  // read into 8 bytes; "-": not a color set
        // text                                                                   primary    sibling  English
        {"[WindowsSystemColors]\r\n[ENGLISH]\r\nE\r\n[VELTINA]\r\nV\r\n[LUMIVANE]\r\n夕焼けソ", {"夕焼け", "V", "E"}},
        {"[WindowsSystemColors]\r\n[ENGLISH]\r\nE\r\n[VELTINA]\r\nV\r\n",          {"V",       "V",     "E"}},
        {"[WindowsSystemColors]\r\n[LUMIVANE]\r\n\r\n[ENGLISH]\r\nE\r\n",          {"",        "E",     "E"}},
        {"[WindowsSystemColors]\n[LUMIVANE]\nL\n[english]\nX\n [ENGLISH]\nX",       {"L",       "",      ""}},
        {"[WindowsSystemColors]\r\n[ENGLISH]\x83\nE",                                {"E",       "E",     "E"}},
        {"[るみべいん]\r\n夕焼けソ\r\nMenu= 1 2 3\r\n",                                 {"夕焼け",   "",      ""}},
        {"[るみべいん]",                                                               {"-",       "",      ""}},
        {"[WindowsSystemColor]\r\n[ENGLISH]\r\nE\r\n",                              {"-",       "-",     "-"}},
    };
    for (size_t i = 0; i < std::size(cases); i++)
        for (int e = 0; e < kEditionCount; e++) {
            char t[8] = "old";
            EXPECT_EQ(cases[i].title[e], TitleFromText(cases[i].text, (Edition)e, t, 8) ? t : "-" + std::string(t))
                << "row " << i << ", edition " << e;
        }
}

TEST_F(ShiftJisTest, ColorsFromText) {
    const std::string list = HEAD "[ListOfColors]\r\n";
    struct { std::string text; ColorsFromTextResult result; int badLines; const char *changed; } cases[] = {
        // text                                                           result              bad lines  changed
        {list + "WindowText=1 0 0\r\nMenuText=\t2\t0 0\r\nHilightText= +3 0 0", kColorsRead,      0,  "7=2 8=1 14=3"},
        {list + "Scrollbar= 300 -1 256\r\n",                                kColorsRead,         0,  "0=FF2C"},
        {list + "x\r\n\r\nscrollbar= 1 2 3\r\n Menu= 1 2 3\r\nMenu = 1 2 3\r\nMenu= 1 2\r\n3", kColorsRead, 5, ""},
        {list + "Menu= 4 5 6\r\nMenu= 1 2 3\r\n[x]\r\nWindow= 1 2 3\r\n",   kColorsRead,         0,  "4=30201"},
        {list + "Menu= 1 2 3\r\n\x1AWindow= 4 5 6\r\n",                     kColorsRead,         0,  "4=30201"},
        {list + "Menu= 1 2 3\x83\nWindow= 4 5 6\r\n",                       kColorsRead,         0,  "4=30201 5=60504"},
        {"[WindowsSystemColors]\n[ENGLISH]\nT\n[ListOfColors]\n\nWindow= 4 5 6", kColorsRead,    1,  "5=60504"},
        {"[るみべいん]\r\nMenu= 1 2 3\r\nWindow= 4 5 6\r\n",                    kColorsRead,         0,  "5=60504"},
        {"[るみべいん]",                                                      kColorsRead,         0,  ""},
        {"[WindowsSystemColors]\r\n[ENGLISH]\r\nT\r\n",                     kColorsNoList,       0,  ""},
        {"Menu= 1 2 3\r\n",                                                 kColorsNotColorSet,  0,  ""},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        ColorSet set = Desktop();
        int bad = -1;
        EXPECT_EQ(c.result, ColorsFromText(c.text.c_str(), Desktop(), &set, &bad)) << "row " << i;
        EXPECT_EQ(c.badLines, bad) << "row " << i;
        EXPECT_EQ(c.changed, Changed(set)) << "row " << i;
    }
}

TEST_F(ShiftJisTest, WallpaperFromText) {
    const std::string w = "[WindowsSystemColors]\r\n[WallPaper]\r\n";
    struct { std::string text, name; int32_t tile; } cases[] = {  // the name read into 16 bytes; "-": too long
        // text                                                                     name                tile
        {w + "\r\nWallpaper= = name.bmp\r\nTileWallpaper= 1\r\nTileWallpaper= x",  "name.bmp",         1},
        {w + "Wallpaper= a.bmp  \r\nTileWallpaper = 1\r\n",                         "a.bmp  ",          0},
        {w + "TileWallpaper=-3\r\n",                                                "",                 -3},
        {w + "TileWallpaper=\r\n 1\r\n",                                            "",                 1},
        {w + "Wallpaper= a\nTileWallpaper= 1\nWallpaper= b\nTileWallpaper= 0\n[x]\nWallpaper= c", "b",  0},
        {w + "Wallpaper= 123456789012345\r\n",                                      "123456789012345",  0},
        {w + "Wallpaper= 1234567890123456\r\n",                                     "-123456789012345", 0},
        {w + "Wallpaper= aaソソソソソソソ\r\n",                                           "-aaソソソソソソ",      0},
        {"[るみべいん]\r\nT\r\n[WallPaper]\r\nWallpaper= a.bmp\r\n",                   "",                 0},
        {"[WallPaper]\r\nWallpaper= a",                                             "",                 0},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        std::vector<char> name(16);
        int32_t tile = 77;
        bool tooLong = WallpaperFromText(cases[i].text.c_str(), name.data(), 16, &tile) == kWallpaperNameTooLong;
        EXPECT_EQ(cases[i].name, (tooLong ? "-" : "") + std::string(name.data())) << "row " << i;
        EXPECT_EQ(cases[i].tile, tile) << "row " << i;
    }
}

TEST_F(ShiftJisTest, PatchColorSetText) {
    const std::string head = HEAD "[ENGLISH]\r\nT\r\n[ListOfColors]\r\n", paper = "[WallPaper]\r\nWallpaper= a.bmp\r\n";
    struct { std::string text; int element; int32_t color; std::string patched; } cases[] = {  // "-": refused
        // the file's text                                   element           color     the text written
        {head + "Menu= 1 2 3\r\nWindow= 4 5 6\r\n" + paper,  kColorWindow,     0x090807, head + "Menu= 1 2 3\r\nWindow= 7 8 9\r\n" + paper},
        {head + "Window= 4 5 6 \r\nWindow= 1 1 1\r\n",       kColorWindow,     0x090807, head + "Window= 4 5 6 \r\nWindow= 7 8 9\r\n"},
        {head + "WindowText= 4 5 6\r\n" + paper,             kColorWindow,     0x090807, head + "WindowText= 4 5 6\r\nWindow= 7 8 9\r\n" + paper},
        {"[WindowsSystemColors]\n[ListOfColors]\nMenu= 1 2 3", kColorWindow,     0x090807, "[WindowsSystemColors]\n[ListOfColors]\nMenu= 1 2 3\nWindow= 7 8 9\n"},
        {head + "Menu= 1 2 3\r\n",                            kColorMenu,       0x030201, head + "Menu= 1 2 3\r\n"},  // no change
        {"[るみべいん]\r\nT\r\nMenu= 1 2 3\r\n",                kColorMenu,       0x090807, "-"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        ColorSet before = AllKept, after;
        int bad = 0;
        ColorsFromText(c.text.c_str(), AllKept, &before, &bad);
        after = before;
        after.value[c.element] = c.color;
        std::string out;
        EXPECT_EQ(c.patched, PatchColorSetText(c.text, before, after, &out) ? out : "-") << "row " << i;
    }
}

TEST(SchemeLine, Decode) {
    struct { const char *line, *changed; } cases[] = {  // the 13 numbers: elements 1, 12, 5, 8, 4, 7, 2, 3, 9, 10, 11, 6, 0
        // line                               changed
        {"FF,,80",                            "1=FF 5=80 12=0"},
        {"aBcDeF",                            "1=ABCDEF"},
        {",FF",                               "1=FF"},
        {"123456789",                         "1=23456789"},
        {"FF, 80",                            "0=0 1=FF 2=0 3=0 4=0 5=0 6=0 7=0 8=0 9=0 10=0 11=0 12=0"},  // a blank stays
        {"1,2,3,4,5,6,7,8,9,A,B,C,D,E,F",     "0=D 1=1 2=7 3=8 4=5 5=3 6=C 7=6 8=4 9=9 10=A 11=B 12=2"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        ColorSet set = Desktop();
        DecodeSchemeLine(cases[i].line, &set);
        EXPECT_EQ(cases[i].changed, Changed(set)) << "row " << i;
    }
}

TEST(SchemeLine, Encode) {
    ColorSet sunset = {{0xC0C0C0, 0x808000, 0x800000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0xFFFFFF, 0xC0C0C0,
                        0xC0C0C0, 0xC0C0C0}}, longest;
    for (int i = 0; i < kElementCount; i++) longest.value[i] = (int32_t)0xFFFFFFF0 + i;
    struct { const ColorSet &set; size_t cap; const char *line; } cases[] = {
        // set    cap  line (the longest: 116 bytes)
        {sunset,  160, "808000,C0C0C0,FFFFFF,0,FFFFFF,0,800000,FFFFFF,FFFFFF,C0C0C0,C0C0C0,0,C0C0C0"},
        {longest, 117, "FFFFFFF1,FFFFFFFC,FFFFFFF5,FFFFFFF8,FFFFFFF4,FFFFFFF7,FFFFFFF2,FFFFFFF3,FFFFFFF9,FFFFFFFA,"
                       "FFFFFFFB,FFFFFFF6,FFFFFFF0"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        std::vector<char> line(cases[i].cap + 1, 'Z');  // the byte after cap must stay 'Z'
        EncodeSchemeLine(cases[i].set, line.data(), cases[i].cap);
        EXPECT_EQ(std::string(cases[i].line) + "|Z", std::string(line.data()) + "|" + line[cases[i].cap]) << "row " << i;
    }
}

TEST_F(ShiftJisTest, IsStorableSchemeName) {
    struct { const char *name; bool storable; } cases[] = {
        // name       storable as a key of control.ini
        {"a)b.col",   true},
        {"k;l.col",   true},
        {"表ソ.col",   true},
        {"a=b.col",   false},
        {"[x].col",   false},
        {";c.col",    false},
        {" e.col",    false},
        {"h.col\t",   false},
        {"",          false},
    };
    for (size_t i = 0; i < std::size(cases); i++)
        EXPECT_EQ(cases[i].storable, IsStorableSchemeName(cases[i].name)) << "row " << i;
}
