// A wallpaper on another machine named inside a file (a theme's name in a module there too), applied from the command
// line and the list, opened in the editor, imported by Add: the colors arrive, the refusal is told once, Add's copies
// name no such wallpaper. scripts/test serves \\LVHOST\share and traces the names every process looks up: none under
// it before the marker, after which this test looks there itself (the share answers, and it is traced).
#include "app.h"
#include "core/colorset.h"

static const std::string kShare = "\\\\LVHOST\\share\\x.bmp";

static void NetworkWallpapers(const char *exe, bool english) {
    ProgramDir p = PrepareProgram(exe);
    const std::string away = FreshDir("_away");
    const std::string told = english ? "Wall Paper File " + kShare + " can't be set as Wall Paper"
                                     : "壁紙ファイル " + kShare + " を壁紙にできません。";
    const std::string col =
        ColFile("Net", "Window= 4 5 6\r\n[WallPaper]\r\nWallpaper= " + kShare + "\r\nTileWallpaper= 1\r\n");
    WriteBytes(p.dir + "net.col", col), WriteBytes(away + "away.col", col);
    SetEnvironmentVariableA("LVSHARE", "\\\\LVHOST\\share");  // expanded in the theme, as %SystemRoot% would be
    const std::string theme = "[Theme]\r\nDisplayName=@%LVSHARE%\\themeui.dll,-2013\r\n"
                              "[Control Panel\\Colors]\r\nWindow=7 8 9\r\n"
                              "[Control Panel\\Desktop]\r\nWallpaper=%LVSHARE%\\x.bmp\r\n";
    WriteBytes(p.dir + "far.theme", theme), WriteBytes(away + "farther.theme", theme);
    struct { const char *file, *entry; COLORREF window; } sets[] = {{"net.col", "(net.col)\tNet", 0x060504},
                                                                     {"far.theme", "(far.theme)\tfar", 0x090807}};
    const std::string caption = english ? "Lumivane" : exe[0] == 'V' ? "ヴェルティナ" : "るみべいん";
    for (const auto &s : sets) {  // from the command line: one box, then the end
        SetDesktopColors(StartingColors());
        EXPECT_EQ(told + " | " + caption + " | 0", RunWith(p, Wide(s.file), p.dir, true)) << s.file;
        EXPECT_EQ(StartingColors({{kColorWindow, s.window}}), DesktopColors()) << s.file;
    }
    SetDesktopColors(StartingColors());
    App app = StartApp(p);
    for (const auto &s : sets) {  // from the list, then in the editor
        Choose(app, IDM_OPEN, s.entry, {{told, IDOK}});
        EXPECT_EQ(nullptr, BoxOf(app.program).window) << s.entry << ": told once";
        EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors({{kColorWindow, s.window}}); }));
        EXPECT_TRUE(Close(OpenEditor(app, s.entry), IDCANCEL)) << s.entry;
    }
    for (const std::string &source : {away + "away.col", away + "farther.theme"}) {  // Add
        HWND dialog = OpenDialog(app, IDM_ADD, nullptr);
        SetTextOf(GetDlgItem(dialog, IDC_FILENAME), source);
        PostCommand(dialog, IDOK);
        const char *entry = source.back() == 'l' ? "(away.col)\tNet" : "(farther.theme)\tfarther";
        EXPECT_TRUE(WaitFor([&] { return Listed(app, entry); })) << entry;
    }
    EXPECT_EQ(ColFile("Net", "Window= 4 5 6\r\n[WallPaper]\r\nTileWallpaper= 1\r\n"), ReadBytes(p.dir + "away.col"));
    EXPECT_EQ(std::string::npos, ReadBytes(p.dir + "farther.theme").find("Wallpaper"));
    EXPECT_EQ(0, ExitApp(app));
}

static void LookAtTheShare() {  // the programs have ended
    GetFileAttributesA("C:\\lv-trace-marker");
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kShare.c_str())) << "the share, served by scripts/test";
}

TEST(NetPath, WallpapersOnOtherMachinesAreNeverLookedUp) { NetworkWallpapers("LUMVAN32.EXE", true), LookAtTheShare(); }
TEST(NetPathJapanese, WallpapersOnOtherMachinesAreNeverLookedUp) {
    for (const char *exe : {"LUMVAN32.EXE", "VELTINA.EXE"}) NetworkWallpapers(exe, false);
    LookAtTheShare();
}
