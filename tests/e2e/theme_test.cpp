// Theme files through the running program: applied from the command line, imported by Add as a theme, and written by
// Save As, then listed and applied from the list; a theme of every color applied, edited, saved and made permanent
// whole.
#include "../../core/colorset.h"
#include "app.h"

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
    EXPECT_EQ("0", RunWith(p, Wide(sea), p.dir));
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
    EXPECT_EQ(0, ExitApp(app));
}

TEST(Theme, AppliedImportedAndSaved) { ThemeRoads("LUMVAN32.EXE"); }
TEST(ThemeJapanese, AppliedImportedAndSaved) {  // the primary edition, then the sibling one
    for (const char *exe : {"LUMVAN32.EXE", "VELTINA.EXE"}) ThemeRoads(exe);
}

static std::string Rgb(COLORREF c) {
    return std::to_string(GetRValue(c)) + " " + std::to_string(GetGValue(c)) + " " + std::to_string(GetBValue(c));
}

// A theme of all thirty-one colors, element i as (i, 7, 200), with lines of its own: applied from the command line,
// every color on the desktop (but ButtonAlternateFace where the system keeps none). In the editor every element is
// listed; Apply puts the theme's colors and the one edited over the desktop's; Save writes the edited one into the
// theme, every other line kept; Cancel gives back all thirty-one. Save As to a theme then writes every color the
// desktop has, and Fix writes every one into win.ini [colors].
TEST(Theme, EveryColorAppliedEditedSavedAndFixed) {
    ProgramDir p = PrepareProgram();
    const std::string every = p.dir + "every.theme", tail = "\r\n[Sounds]\r\nA=b\r\n";
    std::string text = "[Theme]\r\nDisplayName=Every\r\n; mine\r\n[Control Panel\\Colors]\r\n";
    std::vector<COLORREF> wanted;
    for (int i = 0; i < kSystemColorCount; i++) {  // the names as the unit tests prove them
        text += ElementNames[i] + ("=" + std::to_string(i) + " 7 200\r\n");
        wanted.push_back(RGB(i, 7, 200));
    }
    WriteBytes(every, text + tail);
    SetDesktopColors(StartingColors({}, kSystemColorCount));
    const std::vector<COLORREF> start = DesktopColors(kSystemColorCount);
    EXPECT_EQ("0", RunWith(p, Wide(every), p.dir));
    const std::vector<COLORREF> seen = DesktopColors(kSystemColorCount);
    const int face = kColorButtonAlternateFace;
    if (seen[face] == start[face]) wanted[face] = start[face];  // a system that keeps none
    EXPECT_EQ(wanted, seen);
    SetDesktopColors(StartingColors({}, kSystemColorCount));
    App app = StartApp(p);
    HWND editor = OpenEditor(app, "(every.theme)\tEvery"), elements = GetDlgItem(editor, IDC_EDIT_ELEMENTS);
    EXPECT_EQ(kSystemColorCount, (int)SendMessageW(elements, LB_GETCOUNT, 0, 0));
    SendMessageW(elements, LB_SETCURSEL, kColorInfoText, 0);
    Notify(editor, IDC_EDIT_ELEMENTS, LBN_SELCHANGE);
    PickColor(app, editor);
    PostCommand(editor, IDC_EDIT_APPLY);
    std::vector<COLORREF> applied = wanted;
    applied[kColorInfoText] = RGB(10, 20, 30);
    EXPECT_TRUE(WaitFor([&] { return DesktopColors(kSystemColorCount) == applied; }));
    PostCommand(editor, IDC_EDIT_SAVE);
    text.replace(text.find("InfoText=23 7 200"), 17, "InfoText=10 20 30");
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(every) == text + tail; })) << ReadBytes(every);
    ASSERT_TRUE(Close(editor, IDCANCEL));
    EXPECT_TRUE(WaitFor([&] { return DesktopColors(kSystemColorCount) == start; })) << "Cancel gives back all";
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
        EXPECT_NE(std::string::npos, saved.find("\r\n" + (name + ("=" + Rgb(start[i]))) + "\r\n")) << name;
        EXPECT_EQ(Rgb(start[i]), Profile("colors", name)) << name;
    }
}
