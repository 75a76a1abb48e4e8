// Reading and composing color-set files.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "core/colfile_text.h"
#include "core/colorset.h"
#include "test_support.h"

namespace {

using ColFileTest = ShiftJisTest;

// The colors of the sunset example file.
const ColorSet kSunset = {{
    0x00C0C0C0, 0x00004080, 0x004080FF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00000000,
    0x00000000, 0x00000000, 0x00FFFFFF, 0x00C0C0C0, 0x00C0C0C0, 0x00F0FBFF, 0x00000080,
    0x00FFFFFF, 0x00C0C0C0, 0x00808080, 0x00808080, 0x00000000,
}};

#define SUNSET_COLOR_LINES            \
    "Scrollbar= 192 192 192\r\n"      \
    "Background= 128 64 0\r\n"        \
    "ActiveTitle= 255 128 64\r\n"     \
    "InactiveTitle= 255 255 255\r\n"  \
    "Menu= 255 255 255\r\n"           \
    "Window= 255 255 255\r\n"         \
    "WindowFrame= 0 0 0\r\n"          \
    "MenuText= 0 0 0\r\n"             \
    "WindowText= 0 0 0\r\n"           \
    "TitleText= 255 255 255\r\n"      \
    "ActiveBorder= 192 192 192\r\n"   \
    "InactiveBorder= 192 192 192\r\n" \
    "AppWorkspace= 255 251 240\r\n"   \
    "Hilight= 128 0 0\r\n"            \
    "HilightText= 255 255 255\r\n"    \
    "ButtonFace= 192 192 192\r\n"     \
    "ButtonShadow= 128 128 128\r\n"   \
    "GrayText= 128 128 128\r\n"       \
    "ButtonText= 0 0 0\r\n"

// The file that the primary edition writes with all three titles and the
// wallpaper: 30 lines, 600 bytes.
const char kSunsetFile[] =
    "[WindowsSystemColors] VER01.00\r\n"
    "[LUMIVANE]\r\n"
    "夕焼け\r\n"
    "[VELTINA]\r\n"
    "夕焼け\r\n"
    "[ENGLISH]\r\n"
    "Sunset\r\n"
    "[ListOfColors]\r\n" SUNSET_COLOR_LINES
    "[WallPaper]\r\n"
    "Wallpaper= sunset.bmp\r\n"
    "TileWallpaper= 1\r\n";

// The English edition's file without wallpaper: 23 lines.
const char kSunsetEnglishFile[] =
    "[WindowsSystemColors] VER01.00\r\n"
    "[ENGLISH]\r\n"
    "Sunset\r\n"
    "[ListOfColors]\r\n" SUNSET_COLOR_LINES;

const char kSunsetLegacyFile[] = "[るみべいん]\r\n夕焼け\r\n" SUNSET_COLOR_LINES;

// The desktop's colors as the readers start from: no value of the sunset set.
ColorSet Desktop() {
    ColorSet set;
    for (int i = 0; i < kElementCount; i++) set.value[i] = 0x00010100 + i;
    return set;
}

std::string Repeat(const char *piece, int n) {
    std::string out;
    for (int i = 0; i < n; i++) out += piece;
    return out;
}

std::string WithoutCr(const std::string &text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

int CountLines(const std::string &text) {
    int n = 0;
    for (size_t i = 0; i < text.size(); i++)
        if (text[i] == '\n') n++;
    return n;
}

std::string Hex(int32_t v) {
    char buf[16];
    snprintf(buf, sizeof buf, "0x%08X", (unsigned)v);
    return buf;
}

// Compares two color sets element by element, naming the elements that differ.
::testing::AssertionResult SameColors(const ColorSet &expected, const ColorSet &actual) {
    std::string diff;
    for (int i = 0; i < kElementCount; i++)
        if (expected.value[i] != actual.value[i])
            diff += std::string("\n  ") + ElementNames[i] + ": expected " + Hex(expected.value[i]) + ", got " +
                    Hex(actual.value[i]);
    if (diff.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "colors differ:" << diff;
}

std::string Compose(const ColorSet &colors, const char *primary, const char *sibling, const char *english,
                    const char *wallpaper, int32_t tile) {
    std::string out;
    EXPECT_EQ(kComposed, ComposeColorSetFile(colors, primary, sibling, english, wallpaper, tile, &out));
    return out;
}

TEST(ColFileConstants, LegacyHeaderBytes) {
    const char bytes[] = {0x5B, (char)0x82, (char)0xE9, (char)0x82, (char)0xDD, (char)0x82, (char)0xD7,
                          (char)0x82, (char)0xA2, (char)0x82, (char)0xF1, 0x5D, 0};
    EXPECT_EQ(std::string(bytes), std::string(kHeaderLegacy));
    EXPECT_EQ(std::string("[るみべいん]"), std::string(kHeaderLegacy));
}

TEST_F(ColFileTest, ComposesTheExampleFileByteForByte) {
    std::string text = Compose(kSunset, "夕焼け", "夕焼け", "Sunset", "sunset.bmp", 1);
    EXPECT_EQ(std::string(kSunsetFile), text);
    EXPECT_EQ(600u, text.size());
    EXPECT_EQ(30, CountLines(text));
}

TEST_F(ColFileTest, ComposesTheEnglishFileWithoutWallpaper) {
    std::string text = Compose(kSunset, nullptr, nullptr, "Sunset", nullptr, 0);
    EXPECT_EQ(std::string(kSunsetEnglishFile), text);
    EXPECT_EQ(23, CountLines(text));
}

TEST_F(ColFileTest, SectionsFollowTheGivenTitlesAndWallpaper) {
    struct Case {
        const char *name;
        const char *primary, *sibling, *english, *wallpaper;
        int lines;
    } cases[] = {
        {"no titles, no wallpaper", nullptr, nullptr, nullptr, nullptr, 21},
        {"three empty titles", "", "", "", nullptr, 27},
        {"empty wallpaper name", nullptr, nullptr, nullptr, "", 24},
        {"sibling only", nullptr, "x", nullptr, nullptr, 23},
        {"all", "a", "b", "c", "d.bmp", 30},
    };
    for (const Case &c : cases) {
        std::string text = Compose(kSunset, c.primary, c.sibling, c.english, c.wallpaper, 0);
        EXPECT_EQ(c.lines, CountLines(text)) << c.name;
        // Every line ends with CR LF, the last one included.
        for (size_t i = 0; i < text.size(); i++)
            if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ADD_FAILURE() << c.name << ": bare LF at " << i;
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ("\r\n", text.substr(text.size() - 2)) << c.name;
    }
}

TEST_F(ColFileTest, ComposedFileReadsBack) {
    ColorSet odd = kSunset;
    odd.value[3] = kKeepColor;   // written as 255 255 255
    odd.value[7] = 0x7F123456;   // the top byte is not written
    struct Case {
        const char *name;
        const char *primary, *sibling, *english;
        const char *title0, *title1, *title2;  // expected per edition
        const char *wallpaper;
        int32_t tile;
    } cases[] = {
        {"three titles", "るみ", "ヴェル", "Eng", "るみ", "ヴェル", "Eng", "sunset.bmp", 1},
        {"English only", nullptr, nullptr, "Eng", "Eng", "Eng", "Eng", nullptr, 0},
        {"primary only", "るみ", nullptr, nullptr, "るみ", "", "", nullptr, 0},
        {"empty primary before English", "", nullptr, "Eng", "", "Eng", "Eng", nullptr, 0},
        {"no titles", nullptr, nullptr, nullptr, "", "", "", "表.bmp", 0},
        {"titles with 0x5C and '[' trail bytes", "表ソ", "夕焼け", "x", "表ソ", "夕焼け", "x", "ソ.bmp", -5},
        {"trailing blanks kept", "a ", " b", "c  ", "a ", " b", "c  ", "a b.bmp  ", 2},
    };
    for (const Case &c : cases) {
        std::string text = Compose(odd, c.primary, c.sibling, c.english, c.wallpaper, c.tile);
        const char *expected[] = {c.title0, c.title1, c.title2};
        for (int edition = 0; edition < 3; edition++) {
            char title[kPathCap] = "old";
            EXPECT_EQ(1, TitleFromText(text.c_str(), (Edition)edition, title, sizeof title)) << c.name;
            EXPECT_STREQ(expected[edition], title) << c.name << ", edition " << edition;
        }
        ColorSet set;
        int bad = -1;
        EXPECT_EQ(kColorsRead, ColorsFromText(text.c_str(), Desktop(), &set, &bad)) << c.name;
        EXPECT_EQ(0, bad) << c.name;
        ColorSet want = odd;
        want.value[3] = 0x00FFFFFF;
        want.value[7] = 0x00123456;
        EXPECT_TRUE(SameColors(want, set)) << c.name;
        char name[kFullPathCap] = "old";
        int32_t tile = 99;
        EXPECT_EQ(kWallpaperRead, WallpaperFromText(text.c_str(), name, sizeof name, &tile)) << c.name;
        EXPECT_STREQ(c.wallpaper ? c.wallpaper : "", name) << c.name;
        EXPECT_EQ(c.tile, tile) << c.name;
    }
}

TEST_F(ColFileTest, LfOnlyFileReadsLikeCrLf) {
    const char *files[] = {kSunsetFile, kSunsetEnglishFile, kSunsetLegacyFile};
    for (const char *file : files) {
        std::string crlf = file, lf = WithoutCr(file);
        std::string first = crlf.substr(0, crlf.find('\r'));
        for (int edition = 0; edition < kEditionCount; edition++) {
            char a[kPathCap], b[kPathCap];
            int ra = TitleFromText(crlf.c_str(), (Edition)edition, a, sizeof a);
            int rb = TitleFromText(lf.c_str(), (Edition)edition, b, sizeof b);
            EXPECT_EQ(ra, rb) << first << ", edition " << edition;
            EXPECT_STREQ(a, b) << first << ", edition " << edition;
        }
        ColorSet a, b;
        int badA = -1, badB = -1;
        EXPECT_EQ(kColorsRead, ColorsFromText(crlf.c_str(), Desktop(), &a, &badA)) << first;
        EXPECT_EQ(kColorsRead, ColorsFromText(lf.c_str(), Desktop(), &b, &badB)) << first;
        EXPECT_TRUE(SameColors(kSunset, a)) << first;
        EXPECT_TRUE(SameColors(kSunset, b)) << first;
        EXPECT_EQ(0, badA) << first;
        EXPECT_EQ(0, badB) << first;
        char na[kFullPathCap], nb[kFullPathCap];
        int32_t ta = -7, tb = -7;
        WallpaperFromText(crlf.c_str(), na, sizeof na, &ta);
        WallpaperFromText(lf.c_str(), nb, sizeof nb, &tb);
        EXPECT_STREQ(na, nb) << first;
        EXPECT_EQ(ta, tb) << first;
    }
}

TEST_F(ColFileTest, TitleForEachEdition) {
    struct Case {
        const char *name;
        const char *text;
        int edition;
        int result;
        const char *title;
    } cases[] = {
        {"empty primary title wins over English", "[WindowsSystemColors]\r\n[LUMIVANE]\r\n\r\n[ENGLISH]\r\nSunset\r\n",
         0, 1, ""},
        {"English edition takes its own section", "[WindowsSystemColors]\r\n[LUMIVANE]\r\n\r\n[ENGLISH]\r\nSunset\r\n",
         2, 1, "Sunset"},
        {"English edition ignores Japanese titles", "[WindowsSystemColors]\r\n[LUMIVANE]\r\nA\r\n[VELTINA]\r\nB\r\n",
         2, 1, ""},
        {"sibling edition", "[WindowsSystemColors]\r\n[LUMIVANE]\r\nA\r\n[VELTINA]\r\nB\r\n", 1, 1, "B"},
        {"sibling edition falls back to English", "[WindowsSystemColors]\r\n[LUMIVANE]\r\nA\r\n[ENGLISH]\r\nE\r\n", 1,
         1, "E"},
        {"edition order, not file order", "[WindowsSystemColors]\r\n[ENGLISH]\r\nE\r\n[VELTINA]\r\nV\r\n", 0, 1, "V"},
        {"first of two equal sections", "[WindowsSystemColors]\r\n[ENGLISH]\r\nE1\r\n[ENGLISH]\r\nE2\r\n", 2, 1,
         "E1"},
        {"no title sections", "[WindowsSystemColors] VER01.00\r\n[ListOfColors]\r\n", 0, 1, ""},
        {"header only, no LF", "[WindowsSystemColors]", 2, 1, ""},
        {"section header as the last line", "[WindowsSystemColors]\r\n[ENGLISH]", 2, 1, ""},
        {"title as the last line without LF", "[WindowsSystemColors]\r\n[ENGLISH]\r\nEnd", 2, 1, "End"},
        {"text after the section header", "[WindowsSystemColors]\r\n[ENGLISH] x\r\nE\r\n", 2, 1, "E"},
        {"section header with a leading blank", "[WindowsSystemColors]\r\n [ENGLISH]\r\nE\r\n", 2, 1, ""},
        {"section header in lower case", "[WindowsSystemColors]\r\n[english]\r\nE\r\n", 2, 1, ""},
        {"title in Shift-JIS", "[WindowsSystemColors]\r\n[LUMIVANE]\r\n夕焼けソ表\r\n", 0, 1, "夕焼けソ表"},
        {"LF only", "[WindowsSystemColors]\n[ENGLISH]\nSunset\n", 2, 1, "Sunset"},
        {"empty text", "", 0, 0, ""},
        {"header cut short", "[WindowsSystemColor]\r\n[ENGLISH]\r\nE\r\n", 2, 0, ""},
        {"header in lower case", "[windowssystemcolors]\r\n[ENGLISH]\r\nE\r\n", 2, 0, ""},
        {"header after a blank", " [WindowsSystemColors]\r\n[ENGLISH]\r\nE\r\n", 2, 0, ""},
        {"legacy, primary edition", kSunsetLegacyFile, 0, 1, "夕焼け"},
        {"legacy, sibling edition", kSunsetLegacyFile, 1, 1, ""},
        {"legacy, English edition", kSunsetLegacyFile, 2, 1, ""},
        {"legacy single line without LF, primary", "[るみべいん]", 0, 0, ""},
        {"legacy single line without LF, sibling", "[るみべいん]", 1, 1, ""},
        {"legacy single line without LF, English", "[るみべいん] rest", 2, 1, ""},
        {"legacy with an empty second line", "[るみべいん]\r\n\r\n", 0, 1, ""},
        {"legacy title without LF", "[るみべいん] rest\r\nTitle", 0, 1, "Title"},
        {"legacy header needs all 12 bytes", "[るみべい]\r\nTitle\r\n", 0, 0, ""},
    };
    for (const Case &c : cases) {
        char title[kPathCap] = "old";
        EXPECT_EQ(c.result, TitleFromText(c.text, (Edition)c.edition, title, sizeof title)) << c.name;
        EXPECT_STREQ(c.title, title) << c.name;
    }
}

TEST_F(ColFileTest, TitleLongerThanTheBufferIsCutOnACharacterBoundary) {
    std::string title = Repeat("ソ", 80);
    std::string text = "[WindowsSystemColors]\r\n[LUMIVANE]\r\nx" + title + "\r\n";
    char out[kPathCap];
    EXPECT_EQ(1, TitleFromText(text.c_str(), kEditionPrimary, out, sizeof out));
    // 131 bytes would fit; "x" and 65 characters are 131 bytes.
    EXPECT_EQ(131u, strlen(out));
    EXPECT_EQ(("x" + title).substr(0, 131), std::string(out));
}

TEST_F(ColFileTest, LegacyColorsAndNoWallpaper) {
    ColorSet set;
    int bad = -1;
    EXPECT_EQ(kColorsRead, ColorsFromText(kSunsetLegacyFile, Desktop(), &set, &bad));
    EXPECT_TRUE(SameColors(kSunset, set));
    EXPECT_EQ(0, bad);

    std::string withSection = std::string(kSunsetLegacyFile) + "[WallPaper]\r\nWallpaper= a.bmp\r\nTileWallpaper= 1\r\n";
    char name[kFullPathCap] = "old";
    int32_t tile = 5;
    EXPECT_EQ(kWallpaperRead, WallpaperFromText(withSection.c_str(), name, sizeof name, &tile));
    EXPECT_STREQ("", name);
    EXPECT_EQ(0, tile);
}

// Reads the colors of the text and reports the result, the number of bad
// lines, and the set.
struct ColorsCase {
    const char *name;
    std::string text;
    ColorsFromTextResult result;
    int bad;
    ColorSet expected;
};

ColorSet DesktopWith(std::initializer_list<std::pair<int, int32_t>> values) {
    ColorSet set = Desktop();
    for (auto &v : values) set.value[v.first] = v.second;
    return set;
}

TEST_F(ColFileTest, ColorList) {
    const std::string head = "[WindowsSystemColors] VER01.00\r\n[ListOfColors]\r\n";
    const std::string nul("\0", 1);
    ColorsCase cases[] = {
        {"no color lines", head, kColorsRead, 0, Desktop()},
        {"some elements", head + "Menu= 1 2 3\r\nButtonText= 4 5 6\r\n", kColorsRead, 0,
         DesktopWith({{4, 0x030201}, {18, 0x060504}})},
        {"a later line replaces", head + "Menu= 1 2 3\r\nMenu= 4 5 6\r\n", kColorsRead, 0, DesktopWith({{4, 0x060504}})},
        {"Ctrl-Z ends the list", head + "Menu= 1 2 3\r\n\x1A\r\nWindow= 4 5 6\r\n", kColorsRead, 0,
         DesktopWith({{4, 0x030201}})},
        {"Ctrl-Z at the start of a color line", head + "Menu= 1 2 3\r\n\x1AWindow= 4 5 6\r\n", kColorsRead, 0,
         DesktopWith({{4, 0x030201}})},
        {"NUL ends the text", head + "Menu= 1 2 3\r\n" + nul + "Window= 4 5 6\r\n", kColorsRead, 0,
         DesktopWith({{4, 0x030201}})},
        {"next section ends the list", head + "Menu= 1 2 3\r\n[WallPaper]\r\nWindow= 4 5 6\r\n", kColorsRead, 0,
         DesktopWith({{4, 0x030201}})},
        {"last line without LF", head + "Menu= 1 2 3", kColorsRead, 0, DesktopWith({{4, 0x030201}})},
        {"lower-case name", head + "scrollbar= 1 2 3\r\n", kColorsRead, 1, Desktop()},
        {"leading blank", head + " Scrollbar= 1 2 3\r\n", kColorsRead, 1, Desktop()},
        {"blank line before the next section",
         head + "Menu= 1 2 3\r\n\r\n[WallPaper]\r\nWallpaper= a.bmp\r\n", kColorsRead, 1, DesktopWith({{4, 0x030201}})},
        {"blank line at the very end", std::string(kSunsetEnglishFile) + "\r\n", kColorsRead, 1, kSunset},
        {"file ends right after CR LF", kSunsetEnglishFile, kColorsRead, 0, kSunset},
        {"LF-only blank line", head + "Menu= 1 2 3\n\nWindow= 4 5 6\n", kColorsRead, 1,
         DesktopWith({{4, 0x030201}, {5, 0x060504}})},
        {"each bad line counts", head + "x\r\nMenu= 1 2 3\r\ny\r\n", kColorsRead, 2, DesktopWith({{4, 0x030201}})},
        {"list found after other sections", "[WindowsSystemColors]\r\n[ENGLISH]\r\nT\r\n[ListOfColors]\r\nMenu= 1 2 3\r\n",
         kColorsRead, 0, DesktopWith({{4, 0x030201}})},
        {"list header in lower case", "[WindowsSystemColors]\r\n[listofcolors]\r\nMenu= 1 2 3\r\n", kColorsNoList, 0,
         Desktop()},
        {"list header without LF", "[WindowsSystemColors]\r\n[ListOfColors]", kColorsNoList, 0, Desktop()},
        {"no list", "[WindowsSystemColors]\r\n[ENGLISH]\r\nT\r\n", kColorsNoList, 0, Desktop()},
        {"empty text", "", kColorsNotColorSet, 0, Desktop()},
        {"neither form", "Menu= 1 2 3\r\n", kColorsNotColorSet, 0, Desktop()},
        {"legacy without a second LF", "[るみべいん]\r\nTitle", kColorsRead, 0, Desktop()},
        {"legacy header only", "[るみべいん]", kColorsRead, 0, Desktop()},
        {"legacy, list ends at a section", "[るみべいん]\r\nT\r\nMenu= 1 2 3\r\n[x]\r\nWindow= 4 5 6\r\n", kColorsRead,
         0, DesktopWith({{4, 0x030201}})},
    };
    for (const ColorsCase &c : cases) {
        ColorSet set = Desktop();
        int bad = -1;
        ColorsFromTextResult r = ColorsFromText(c.text.c_str(), Desktop(), &set, &bad);
        EXPECT_EQ(c.result, r) << c.name;
        if (r == kColorsRead) {
            EXPECT_TRUE(SameColors(c.expected, set)) << c.name;
            EXPECT_EQ(c.bad, bad) << c.name;
        }
    }
}

TEST(ParseColorLine, SetsTheElementOfTheLongestMatchingName) {
    struct Case {
        const char *line;
        int index;
        int32_t value;
    } cases[] = {
        {"Window= 1 2 3", 5, 0x030201},
        {"WindowFrame= 1 2 3", 6, 0x030201},
        {"WindowText= 1 2 3", 8, 0x030201},
        {"Menu= 1 2 3", 4, 0x030201},
        {"MenuText= 1 2 3", 7, 0x030201},
        {"Hilight= 1 2 3", 13, 0x030201},
        {"HilightText= 1 2 3", 14, 0x030201},
        {"Scrollbar= 300 -1 256", 0, 0x00FF2C},  // R 44, G 255, B 0
        {"Background= 128 64 0", 1, 0x004080},
        {"ButtonText=1 2 3", 18, 0x030201},       // no blank needed after '='
        {"ButtonText=\t1\t2\t3\r\n", 18, 0x030201},
        {"ButtonText= +1 -0 255 junk", 18, 0xFF0001},
    };
    for (const Case &c : cases) {
        ColorSet set = Desktop();
        EXPECT_TRUE(ParseColorLine(c.line, &set)) << c.line;
        EXPECT_TRUE(SameColors(DesktopWith({{c.index, c.value}}), set)) << c.line;
    }
}

TEST(ParseColorLine, LinesWithoutAnElementName) {
    const char *lines[] = {"scrollbar= 1 2 3", " Scrollbar= 1 2 3", "", "\r\n", "Scroll= 1 2 3", "Hilite= 1 2 3",
                           "=1 2 3"};
    for (const char *line : lines) {
        ColorSet set = Desktop();
        EXPECT_FALSE(ParseColorLine(line, &set)) << "\"" << line << "\"";
        EXPECT_TRUE(SameColors(Desktop(), set)) << "\"" << line << "\"";
    }
}

TEST(ParseColorLine, KnownNameWithoutThreeNumbersKeepsTheElement) {
    // Counted as known lines (no message), the element keeps its value; the
    // numbers are read from the line itself only.
    const char *lines[] = {"Menu=", "Menu: 1 2 3", "Menu = 1 2 3", "Menu= 1 2", "Menu= 1 2\r\n3", "Menu= a b c"};
    for (const char *line : lines) {
        ColorSet set = Desktop();
        EXPECT_TRUE(ParseColorLine(line, &set)) << "\"" << line << "\"";
        EXPECT_TRUE(SameColors(Desktop(), set)) << "\"" << line << "\"";
    }
}

TEST_F(ColFileTest, Wallpaper) {
    const std::string head = "[WindowsSystemColors] VER01.00\r\n[ListOfColors]\r\nMenu= 1 2 3\r\n[WallPaper]\r\n";
    struct Case {
        const char *name;
        std::string text;
        const char *wallpaper;
        int32_t tile;
    } cases[] = {
        {"as written", head + "Wallpaper= sunset.bmp\r\nTileWallpaper= 1\r\n", "sunset.bmp", 1},
        {"equals signs and blanks skipped", head + "Wallpaper= = name.bmp\r\n", "name.bmp", 0},
        {"no blank after the key", head + "Wallpaper=name.bmp\r\n", "name.bmp", 0},
        {"trailing blanks kept", head + "Wallpaper= name.bmp  \r\n", "name.bmp  ", 0},
        {"Shift-JIS name", head + "Wallpaper= ソ表.bmp\r\n", "ソ表.bmp", 0},
        {"empty name", head + "Wallpaper=\r\nTileWallpaper= 1\r\n", "", 1},
        {"blank before the tile's equals sign", head + "TileWallpaper = 1\r\n", "", 0},
        {"tile without blank", head + "TileWallpaper=1\r\n", "", 1},
        {"negative tile", head + "TileWallpaper= -3\r\n", "", -3},
        {"tile that is no number", head + "TileWallpaper= x\r\n", "", 0},
        {"tile number on the next line", head + "TileWallpaper=\r\n 1\r\n", "", 1},
        {"tile scan meets the next section", head + "TileWallpaper=\r\n[x]\r\n", "", 0},
        {"failed scan keeps the earlier tile", head + "TileWallpaper= 1\r\nTileWallpaper= x\r\n", "", 1},
        {"later lines replace", head + "Wallpaper= a.bmp\r\nTileWallpaper= 1\r\nWallpaper= b.bmp\r\nTileWallpaper= 0\r\n",
         "b.bmp", 0},
        {"other lines ignored", head + "Comment\r\n\r\nWallpaper= a.bmp\r\n", "a.bmp", 0},
        {"key after a blank", head + " Wallpaper= a.bmp\r\n", "", 0},
        {"section ends at the next section", head + "[Other]\r\nWallpaper= a.bmp\r\n", "", 0},
        {"Ctrl-Z ends the section", head + "\x1A\r\nWallpaper= a.bmp\r\n", "", 0},
        {"LF only", head + "Wallpaper= a.bmp\nTileWallpaper= 1\n", "a.bmp", 1},
        {"name as the last line without LF", head + "Wallpaper= a.bmp", "a.bmp", 0},
        {"no section", "[WindowsSystemColors]\r\n[ListOfColors]\r\n", "", 0},
        {"section header without LF", "[WindowsSystemColors]\r\n[WallPaper]", "", 0},
        {"section header in other case", "[WindowsSystemColors]\r\n[Wallpaper]\r\nWallpaper= a.bmp\r\n", "", 0},
        {"empty text", "", "", 0},
        {"neither form", "[WallPaper]\r\nWallpaper= a.bmp\r\n", "", 0},
    };
    for (const Case &c : cases) {
        char name[kFullPathCap] = "old";
        int32_t tile = 77;
        EXPECT_EQ(kWallpaperRead, WallpaperFromText(c.text.c_str(), name, sizeof name, &tile)) << c.name;
        EXPECT_STREQ(c.wallpaper, name) << c.name;
        EXPECT_EQ(c.tile, tile) << c.name;
    }
}

TEST_F(ColFileTest, WallpaperNameLongerThanTheBuffer) {
    struct Case {
        const char *name;
        std::string wallpaper;
        size_t cap;
        WallpaperFromTextResult result;
        std::string read;
    } cases[] = {
        {"fits exactly", std::string(15, 'a'), 16, kWallpaperRead, std::string(15, 'a')},
        {"one byte too long", std::string(16, 'a'), 16, kWallpaperNameTooLong, std::string(15, 'a')},
        {"cut between characters", "a" + std::string("ソソソソソソソソ"), 16, kWallpaperNameTooLong,
         "a" + std::string("ソソソソソソソ")},
        {"cut before a character", std::string("ソソソソソソソソ"), 16, kWallpaperNameTooLong,
         std::string("ソソソソソソソ")},
        {"longer than the program's buffer", std::string(300, 'b'), kFullPathCap, kWallpaperNameTooLong,
         std::string(259, 'b')},
    };
    for (const Case &c : cases) {
        std::string text = "[WindowsSystemColors]\r\n[WallPaper]\r\nWallpaper= " + c.wallpaper + "\r\n";
        std::string name(c.cap + 8, 'Z');
        int32_t tile = 0;
        EXPECT_EQ(c.result, WallpaperFromText(text.c_str(), &name[0], c.cap, &tile)) << c.name;
        EXPECT_EQ(c.read, std::string(name.c_str())) << c.name;
        EXPECT_EQ(std::string(8, 'Z'), name.substr(c.cap)) << c.name << ": written beyond the buffer";
    }
}

TEST_F(ColFileTest, WriterCutsLongTitlesOnACharacterBoundary) {
    std::string sixtyFour = Repeat("ソ", 64);
    struct Case {
        const char *name;
        std::string title;
        std::string written;
    } cases[] = {
        {"129 bytes kept", std::string(129, 't'), std::string(129, 't')},
        {"130 bytes cut to 129", std::string(130, 't'), std::string(129, 't')},
        {"129 bytes of Shift-JIS kept", "a" + sixtyFour, "a" + sixtyFour},
        {"no half character at 129", "aa" + sixtyFour, "aa" + sixtyFour.substr(0, 126)},
        {"only the first line of a title", "first\r\nsecond", "first"},
    };
    for (const Case &c : cases) {
        std::string text = Compose(kSunset, nullptr, nullptr, c.title.c_str(), nullptr, 0);
        std::string expected = "[WindowsSystemColors] VER01.00\r\n[ENGLISH]\r\n" + c.written + "\r\n[ListOfColors]\r\n";
        EXPECT_EQ(expected, text.substr(0, expected.size())) << c.name;
        EXPECT_EQ(23, CountLines(text)) << c.name;
    }
}

TEST_F(ColFileTest, WriterRefusesWallpaperNamesItCannotWrite) {
    struct Case {
        const char *name;
        std::string wallpaper;
        ComposeResult result;
    } cases[] = {
        {"118 bytes", std::string(118, 'w'), kComposed},
        {"119 bytes", std::string(119, 'w'), kComposeNameTooLong},
        {"118 bytes of Shift-JIS", Repeat("表", 59), kComposed},
        {"119 bytes ending in Shift-JIS", "w" + Repeat("表", 59), kComposeNameTooLong},
        {"line break in the name", "a.bmp\r\nTileWallpaper= 1", kComposeNameTooLong},
        {"LF in the name", "a\n.bmp", kComposeNameTooLong},
    };
    for (const Case &c : cases) {
        std::string out = "old";
        EXPECT_EQ(c.result, ComposeColorSetFile(kSunset, nullptr, nullptr, "T", c.wallpaper.c_str(), 0, &out)) << c.name;
        if (c.result == kComposed) {
            std::string line = "\r\nWallpaper= " + c.wallpaper + "\r\n";
            EXPECT_NE(std::string::npos, out.find(line)) << c.name;
        } else {
            EXPECT_EQ("", out) << c.name << ": nothing composed";
        }
    }
}

}  // namespace
