// Where a wallpaper named inside a file leads: another machine, a device, or this machine, once joined to a directory
// the program looks in. ソ (83 5C) and 表 (95 5C) end in the byte of '\'; ア (83 41) and ヂ (83 61) differ in a
// byte that is a letter's.
#include "core/colfile_text.h"
#include "core/netpath.h"
#include "test_support.h"

TEST_F(ShiftJisTest, NetworkAndDevicePaths) {
    struct { const char *dir, *name; char place; const char *resolved; bool leaves; } cases[] = {
        // dir                 name                           place resolved                          leaves
        {"C:\\LV\\",           "\\\\host\\share\\x.bmp",      'n',  "\\\\host\\share\\x.bmp",         true},
        {"C:\\LV\\",           "//host/share/x.bmp",          'n',  "\\\\host\\share\\x.bmp",         true},
        {"C:\\LV\\",           "\\\\?\\UNC\\host\\share",     'n',  "\\\\?\\UNC\\host\\share",        true},
        {"C:\\LV\\",           "\\\\.\\PhysicalDrive0",       'd',  "\\\\.\\PhysicalDrive0",          true},
        {"C:\\LV\\",           "\\\\?\\C:\\x.bmp",            'd',  "\\\\?\\C:\\x.bmp",               true},
        {"C:\\LV\\",           "/?\?/x.bmp",                  'l',  "C:\\??\\x.bmp",                  false},
        {"C:\\LV\\",           "x.bmp",                       'l',  "C:\\LV\\x.bmp",                  false},
        {"C:\\LV\\",           "..\\..\\..\\x.bmp",           'l',  "C:\\x.bmp",                      false},
        {"C:\\Windows",        "..\\..\\\\host\\share\\x",    'l',  "C:\\host\\share\\x",             false},
        {"C:\\LV\\",           "Z:\\x.bmp",                   'l',  "Z:\\x.bmp",                      false},  // mapped
        {"C:\\ソ\\",            "ソ\\..\\x.bmp",                'l',  "C:\\ソ\\x.bmp",                   false},
        {"\\\\srv\\apps\\lv\\", "x.bmp",                      'l',  "\\\\srv\\apps\\lv\\x.bmp",       false},
        {"\\\\srv\\apps\\lv",  "sub\\..\\..\\LV\\x.bmp",      'l',  "\\\\srv\\apps\\LV\\x.bmp",       false},
        {"\\\\srv\\apps\\lv\\", "..\\..\\..\\evil\\s\\x.bmp", 'l',  "\\\\srv\\apps\\evil\\s\\x.bmp",  true},
        {"\\\\srv\\apps\\lv\\", "\\x.bmp",                    'l',  "\\\\srv\\apps\\x.bmp",           true},
        {"\\\\srv\\表\\",        "..\\..\\x.bmp",               'l',  "\\\\srv\\表\\x.bmp",              false},
        {"\\\\srv\\a\\ア\\",     "..\\ヂ\\x.bmp",                'l',  "\\\\srv\\a\\ヂ\\x.bmp",            true},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        EXPECT_EQ(c.place, "lnd"[PlaceOfPath(c.name)]) << "row " << i;
        EXPECT_EQ(c.resolved, ResolvePathLexically(c.dir, c.name)) << "row " << i;
        EXPECT_EQ(c.leaves, LeavesForRemotePlace(c.dir, c.name)) << "row " << i;
    }
}

// Add's copy of a color-set file: the lines naming a refused wallpaper go (in any wallpaper section, the last one
// without its line end), every other byte stays.
TEST(NetworkPaths, DroppedFromCopies) {
    const std::string top = "[WindowsSystemColors]\r\n[ENGLISH]\r\nWallpaper= \\\\h\\s\r\n[ListOfColors]\r\n"
                            "[WallPaper]\r\nWallpaper= x.bmp\r\n", end = "TileWallpaper= 1\r\n[WallPaper]\n";
    const auto refused = [](const char *name) { return PlaceOfPath(name) != kPlaceLocal; };
    std::string out;
    EXPECT_FALSE(DropRefusedWallpapers((top + end).c_str(), refused, &out));
    EXPECT_EQ(top + end, out);
    const std::string named = top + "Wallpaper= \\\\h\\s\\x.bmp\r\n" + end + "Wallpaper=//h/s/x";  // last, unended
    EXPECT_TRUE(DropRefusedWallpapers(named.c_str(), refused, &out));
    EXPECT_EQ(top + end, out);
}
