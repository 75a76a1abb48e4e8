// Theme files through the running program: applied from the command line, imported by Add as a complete color-set
// file, and written by Save As, then listed and applied from the list.
#include "app.h"

static int Apply(const ProgramDir &p, const std::string &file) {  // from the command line; the exit code
    Program run = Start(p.exe, "\"" + p.exe + "\" " + file, p.dir);
    return WaitExit(run);
}

static void ThemeRoads(const char *exe) {
    ProgramDir p = PrepareProgram(exe, {"lvtile.bmp"});
    const std::string sea = FreshDir("_themes") + "sea.theme", paper = p.dir + "lvtile.bmp";
    std::string theme = "\xFF\xFE";  // UTF-16, as Windows writes themes
    for (char c : "[Theme]\r\nDisplayName=Sea\r\n[Control Panel\\Colors]\r\nbackground=1 2 3\r\n"
                  "[Control Panel\\Desktop]\r\nWallpaper=" + paper + "\r\nTileWallpaper=1\r\n")
        theme += std::string{c, '\0'};
    WriteBytes(sea, theme);
    SetDesktopColors(StartingColors());
    SetProfile("Desktop", "TileWallpaper", "0");
    EXPECT_EQ(0, Apply(p, sea));
    EXPECT_EQ(StartingColors({{1, 0x030201}}), DesktopColors());
    EXPECT_EQ("1|" + paper, Profile("Desktop", "TileWallpaper") + "|" + DesktopWallpaper());
    App app = StartApp(p);
    HWND dialog = OpenDialog(app, IDM_ADD, nullptr);
    SetTextOf(GetDlgItem(dialog, IDC_FILENAME), sea);
    PostCommand(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return Listed(app, "(sea.col)\tSea"); }));
    const std::string col = "[WindowsSystemColors] VER01.00\r\n[LUMIVANE]\r\nSea\r\n[VELTINA]\r\nSea\r\n[ENGLISH]\r\n"
                            "Sea\r\n[ListOfColors]\r\nScrollbar= 16 32 48\r\nBackground= 1 2 3\r\n";
    EXPECT_EQ(col, ReadBytes(p.dir + "sea.col").substr(0, col.size()));
    EXPECT_NE(std::string::npos, ReadBytes(p.dir + "sea.col").find("[WallPaper]\r\nWallpaper= " + paper + "\r\n"));
    dialog = OpenDialog(app, IDM_SAVEAS, nullptr);
    SetTextOf(GetDlgItem(dialog, IDC_FILENAME), "saved.theme");
    SetTextOf(GetDlgItem(dialog, IDC_TITLE_ENGLISH), "Saved");
    PostCommand(dialog, IDOK);
    // Listed beside the color-set files once written, and applied from the list.
    EXPECT_TRUE(WaitFor([&] { return Listed(app, "(saved.theme)\tSaved"); }));
    const std::string saved = "[Theme]\r\nDisplayName=Saved\r\n\r\n[Control Panel\\Colors]\r\nScrollbar=16 32 48\r\n"
                              "Background=1 2 3\r\n";
    EXPECT_EQ(saved, ReadBytes(p.dir + "saved.theme").substr(0, saved.size()));
    SetDesktopColors(StartingColors({{1, 0x0A0B0C}}));
    Choose(app, IDM_OPEN, "(saved.theme)\tSaved", {});
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors({{1, 0x030201}}); }));
    EXPECT_EQ(0, ExitApp(app));
}

TEST(Theme, AppliedImportedAndSaved) { ThemeRoads("LUMVAN32.EXE"); }
TEST(ThemeJapanese, AppliedImportedAndSaved) {  // the primary edition, then the sibling one
    for (const char *exe : {"LUMVAN32.EXE", "VELTINA.EXE"}) ThemeRoads(exe);
}
