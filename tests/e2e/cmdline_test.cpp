// Started with a file name, the program applies it and ends without a window, telling only what went wrong.
#include "app.h"

static const std::string kLines = "Background= 1 2 3\r\nWindow= 4 5 6\r\n";
static const std::vector<unsigned> kApplied = StartingColors({{1, 0x030201}, {5, 0x060504}});

static std::wstring Wide(const std::string &text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], (int)wide.size()) - 1);
    return wide;
}

// Started with this argument text in dir; the text of the box it shows, answered, then its exit code.
static std::string Started(const ProgramDir &p, const std::wstring &argument, const std::string &dir, bool box) {
    Program run = Start(p.exe, L"\"" + Wide(p.exe) + L"\" " + argument, dir);
    Box shown = box ? WaitBox(run) : Box();
    if (shown.window) Answer(shown, IDOK);
    return shown.text + (shown.window ? " | " + shown.caption + (shown.owner ? " | owned" : "") + " | " : "") +
           std::to_string(WaitExit(run));
}

// A relative name is the current directory's; the bitmap is looked for beside the program. Started first, it writes the
// association, whole for a long name, without asking.
TEST(CmdLine, AppliesColorsAndWallpaperAndEnds) {
    ProgramDir p = PrepareProgram("LUMIVANE-EDITION2.EXE", {"lvtile.bmp"});
    std::string here = FreshDir("_here");
    WriteBytes(here + "tiled.col",
               ColFile("Tiled", kLines + "[WallPaper]\r\nWallpaper= lvtile.bmp\r\nTileWallpaper= 1"));
    SetDesktopColors(StartingColors());
    SetProfile("Desktop", "TileWallpaper", "0"), SetProfile("extensions", "col", "other.exe ^.col");
    EXPECT_EQ("0", Started(p, L"tiled.col", here, false));
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
    EXPECT_EQ(told + " | Lumivane | 0", Started(p, L"tiled.col", here, true));
    EXPECT_EQ(kApplied, DesktopColors());
    EXPECT_EQ("0", Profile("Desktop", "TileWallpaper"));
    ReleaseMutex(lock), CloseHandle(lock);
}

// The argument is used as it stands (quotes kept) and never cut, nor turned into another name by a best fit (sub＼x.col
// is not sub\x.col); a file of neither form is passed over in silence.
TEST(CmdLine, WhatGoesWrongIsToldOnceAndTheProgramEnds) {
    ProgramDir p = PrepareProgram();
    WriteBytes(p.dir + "notes.col", "Just notes\r\n" + kLines);
    CreateDirectoryA((p.dir + "sub").c_str(), nullptr);
    WriteBytes(p.dir + "sub\\x.col", ColFile("X", kLines));
    std::string quoted = "\"" + p.dir + "missing.col\"", tooLong;
    while (tooLong.size() < 140) tooLong += ".\\";
    struct { std::wstring argument; std::string told; } cases[] = {
        {Wide(quoted), "Can't access file: " + quoted + " | Lumivane | 0"},
        {Wide(tooLong + "notes.col"), "Can't access file: " + tooLong.substr(0, 131) + " | Lumivane | 0"},
        {L"sub\uFF3Cx.col", "Can't access file: sub?x.col | Lumivane | 0"},
        {L"notes.col", "0"}};
    for (const auto &c : cases) {
        SetDesktopColors(StartingColors());
        EXPECT_EQ(c.told, Started(p, c.argument, p.dir, c.told != "0"));
        EXPECT_EQ(StartingColors(), DesktopColors()) << c.told;
    }
}

// The Japanese editions, chosen by the name, in a directory whose name holds 表 and ソ, which end in the byte of '\':
// the colors are applied, then the missing bitmap is told.
TEST(CmdLineJapanese, EditionFollowsTheName) {
    for (const char *exe : {"LUMVAN32.EXE", "lumvan32.exe", "LUMVAN32A.EXE"}) {
        ProgramDir p = PrepareProgram(exe, {}, "_表ソ");
        WriteBytes(p.dir + "lost.col", ColFile("Lost", kLines + "[WallPaper]\r\nWallpaper= absent.bmp\r\n"));
        SetDesktopColors(StartingColors());
        const std::string caption = exe[8] == '.' ? "るみべいん" : "ヴェルティナ";
        EXPECT_EQ("壁紙ファイル absent.bmp が見つかりません。 | " + caption + " | 0",
                  Started(p, Wide(p.dir + "lost.col"), p.dir, true));
        EXPECT_EQ(kApplied, DesktopColors()) << exe;
    }
}
