// Started with a file name, the program applies it and ends without a window, telling only what went wrong.
#include "app.h"

static const std::string kLines = "Background= 1 2 3\r\nWindow= 4 5 6\r\n";
static const std::vector<COLORREF> kApplied = StartingColors({{1, 0x030201}, {5, 0x060504}});

// A relative name is the current directory's; the bitmap is looked for beside the program. Started first, it writes the
// association, whole for a long name, without asking.
TEST(CmdLine, AppliesColorsAndWallpaperAndEnds) {
    ProgramDir p = PrepareProgram("LUMIVANE-EDITION2.EXE", {"lvtile.bmp"});
    std::string here = FreshDir("_here");
    WriteBytes(here + "tiled.col",
               ColFile("Tiled", kLines + "[WallPaper]\r\nWallpaper= lvtile.bmp\r\nTileWallpaper= 1"));
    SetDesktopColors(StartingColors());
    SetProfile("Desktop", "TileWallpaper", "0"), SetProfile("extensions", "col", "other.exe ^.col");
    EXPECT_EQ("0", RunWith(p, L"tiled.col", here, false));
    EXPECT_EQ(kApplied, DesktopColors());
    EXPECT_NE(std::string::npos, DesktopWallpaper().find("lvtile.bmp")) << DesktopWallpaper();
    EXPECT_EQ("1|LUMIVANE-EDITION2.exe ^.col",
              Profile("Desktop", "TileWallpaper") + "|" + Profile("extensions", "col"));
    // While another program holds the settings and never lets go: the colors, then a word that the wallpaper was not
    // set, and no write. A holder that ended leaves them free.
    HANDLE lock = CreateMutexA(nullptr, FALSE, "Lumivane.ProfileLock");
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(lock, 0));
    SetDesktopColors(StartingColors()), SetProfile("Desktop", "TileWallpaper", "0");
    const std::string told = "The settings are locked by another program. Nothing was written into win.ini";
    EXPECT_EQ(told + " | Lumivane | 0", RunWith(p, L"tiled.col", here, true));
    EXPECT_EQ(kApplied, DesktopColors());
    EXPECT_EQ("0", Profile("Desktop", "TileWallpaper"));
    ReleaseMutex(lock), CloseHandle(lock);
}

// The argument text as the shell passes it, in the edition the program's name and the locale give. A name in double
// quotes is used without them (blanks and parentheses included); any other text as it stands: a lone quote, a trailing
// blank. Never cut, nor turned into another name by a best fit (sub∕x.col is not sub/x.col). A file
// of neither form is passed over in silence; every other failure is told once, and the program ends.
static void ArgumentTexts(const std::string &dirSuffix, bool english) {
    ProgramDir p = PrepareProgram("LUMVAN32.EXE", {}, dirSuffix);
    auto told = [&](const std::string &name) {
        return (english ? "Can't access file: " + name : name + "にアクセスできません。") + " | " +
               (english ? "Lumivane" : "るみべいん") + " | 0";
    };
    WriteBytes(p.dir + "notes.col", "Just notes\r\n" + kLines);
    WriteBytes(p.dir + "My Sets (2).col", ColFile("Sets", kLines));
    CreateDirectoryA((p.dir + "sub").c_str(), nullptr);
    WriteBytes(p.dir + "sub\\x.col", ColFile("X", kLines));
    std::string tooLong;
    while (tooLong.size() < 140) tooLong += ".\\";
    struct { std::wstring argument; std::string told; } cases[] = {  // told "applied": the colors, nothing said
        {Wide("\"" + p.dir + "My Sets (2).col\""), "applied"},
        {L"\"missing.col\"", told("missing.col")},
        {L"sub\\x.col ", "applied"},
        {L"\"sub\\x.col", told("\"sub\\x.col")},
        {Wide(tooLong + "notes.col"), told(tooLong.substr(0, 131))},
        {L"sub\u2215x.col", told("sub?x.col")},                              // no division slash in either code page
        {L"sub\uFF3Cx.col", told(english ? "sub?x.col" : "sub＼x.col")},  // a fullwidth backslash in Shift-JIS only
        {L"notes.col", "0"}};
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; i++) {
        const auto &c = cases[i];
        const bool applied = c.told == "applied", silent = applied || c.told == "0";
        SetDesktopColors(StartingColors());
        EXPECT_EQ(applied ? "0" : c.told, RunWith(p, c.argument, p.dir, !silent)) << "row " << i;
        EXPECT_EQ(applied ? kApplied : StartingColors(), DesktopColors()) << "row " << i;
    }
}

TEST(CmdLine, ArgumentTexts) { ArgumentTexts("", true); }
TEST(CmdLineJapanese, ArgumentTexts) { ArgumentTexts("_表ソ", false); }
