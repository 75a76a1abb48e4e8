// Theme files through the running program: applied from the command line, imported by Add as a theme, and written by
// Save As, then listed and applied from the list; a theme of every color applied, saved and made permanent whole.
#include "../../core/colorset.h"
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
    EXPECT_TRUE(WaitFor([&] { return Listed(app, "(sea.theme)\tSea"); }));
    const std::string imported = "[Theme]\r\nDisplayName=Sea\r\n\r\n[Control Panel\\Colors]\r\nBackground=1 2 3\r\n\r\n"
                                 "[Control Panel\\Desktop]\r\nWallpaper=" + paper + "\r\nTileWallpaper=1\r\n";
    EXPECT_EQ(imported, ReadBytes(p.dir + "sea.theme").substr(0, imported.size()));
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
    SetDesktopColors(StartingColors({{1, 0x0A0B0C}}));
    Choose(app, IDM_OPEN, "(sea.theme)\tSea", {});  // the imported theme gives what the source gave
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors({{1, 0x030201}}); }));
    EXPECT_EQ(0, ExitApp(app));
}

TEST(Theme, AppliedImportedAndSaved) { ThemeRoads("LUMVAN32.EXE"); }
TEST(ThemeJapanese, AppliedImportedAndSaved) {  // the primary edition, then the sibling one
    for (const char *exe : {"LUMVAN32.EXE", "VELTINA.EXE"}) ThemeRoads(exe);
}

static std::string Rgb(COLORREF c) {
    return std::to_string(GetRValue(c)) + " " + std::to_string(GetGValue(c)) + " " + std::to_string(GetBValue(c));
}

// A theme that names all thirty-one colors, element i as (i, 7, 200), applied from the command line: every color on
// the desktop (but ButtonAlternateFace where the system keeps none). Save As to a theme then writes every color the
// desktop has, and Fix writes every one into win.ini [colors].
TEST(Theme, EveryColorAppliedSavedAndFixed) {
    ProgramDir p = PrepareProgram();
    const std::string every = FreshDir("_every") + "every.theme";
    std::string text = "[Control Panel\\Colors]\r\n";
    std::vector<COLORREF> wanted;
    for (int i = 0; i < kSystemColorCount; i++) {  // the names as the unit tests prove them
        text += ElementNames[i] + (" = " + std::to_string(i) + " 7 200\r\n");
        wanted.push_back(RGB(i, 7, 200));
    }
    WriteBytes(every, text);
    SetDesktopColors(StartingColors({}, kSystemColorCount));
    const COLORREF face = DesktopColors(kSystemColorCount)[kColorButtonAlternateFace];
    EXPECT_EQ(0, Apply(p, every));
    const std::vector<COLORREF> seen = DesktopColors(kSystemColorCount);
    if (seen[kColorButtonAlternateFace] == face) wanted[kColorButtonAlternateFace] = face;  // a system that keeps none
    EXPECT_EQ(wanted, seen);
    App app = StartApp(p);
    HWND dialog = OpenDialog(app, IDM_SAVEAS, nullptr);
    SetTextOf(GetDlgItem(dialog, IDC_FILENAME), "whole.theme");
    PostCommand(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return Listed(app, "(whole.theme)\twhole"); }));
    const std::string saved = ReadBytes(p.dir + "whole.theme");
    PostCommand(app.main, IDM_FIX);
    Answer(WaitBox(app.program), IDYES);
    EXPECT_EQ(0, ExitApp(app));
    for (int i = 0; i < kSystemColorCount; i++) {
        const char *name = ElementNames[i];
        EXPECT_NE(std::string::npos, saved.find("\r\n" + (name + ("=" + Rgb(wanted[i]))) + "\r\n")) << name;
        EXPECT_EQ(Rgb(wanted[i]), Profile("colors", name)) << name;
    }
}
