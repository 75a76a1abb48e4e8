// The main window driven from another process as a user would.
#include "app.h"
#include "core/colorset.h"

// The English edition's list over files of both forms, one of neither, a name holding ")" beside a decoy, and
// control-panel schemes.
static App StartOnTheSets(ProgramDir &p) {
    p = PrepareProgram();
    WriteBytes(p.dir + "dusk.col", "[WindowsSystemColors] VER01.00\r\n[LUMIVANE]\r\n夕暮れ\r\n[ENGLISH]\r\nDusk\r\n"
                                   "[ListOfColors]\r\nBackground= 1 2 3\r\n");
    WriteBytes(p.dir + "legacy.col", "[るみべいん]\r\n昔の色\r\nScrollbar= 1 2 3\r\n");
    WriteBytes(p.dir + "notes.col", "not a color set\r\n");
    WriteBytes(p.dir + "a", ColFile("Decoy", ""));
    std::string thirteen;  // all thirteen elements of a scheme line, element i as red i
    for (int i = 0; i < 13; i++) thirteen += ElementNames[i] + ("= " + std::to_string(i) + " 0 0\r\n");
    WriteBytes(p.dir + "a)b.col", ColFile("Paren", thirteen));
    SetProfile("COLOR SCHEMES", nullptr, nullptr, "control.ini");
    SetScheme("Zeta", "FF"), SetScheme("alpha", "FF,,80"), SetScheme("dusk.col", "1");
    SetDesktopColors(StartingColors());
    SetProfile("colors", nullptr, nullptr);
    return StartApp(p);
}

// Sorted without regard to case, files first, a file of neither form left out; the first entry selected, the focus on
// the list. A double click applies a file; Return, wherever the focus is, a scheme over the colors on screen, keeping
// the wallpaper; the list stays as it was.
TEST(Window, ListsAndApplies) {
    ProgramDir p;
    App app = StartOnTheSets(p);
    EXPECT_EQ((std::vector<std::string>{"(a)b.col)\tParen", "(dusk.col)\tDusk", "(legacy.col)\t", "[SYSTEM]\talpha",
                                        "[SYSTEM]\tdusk.col", "[SYSTEM]\tZeta"}), ListEntries(app.list));
    EXPECT_EQ(0, SendMessageW(app.list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(app.list, FocusOf(app.main));
    std::string wallpaper = DesktopWallpaper();
    int height = (int)SendMessageW(app.list, LB_GETITEMHEIGHT, 0, 0);
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(app.list, m, 0, MAKELPARAM(5, height + height / 2));
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors({{1, 0x030201}}); }));
    Select(app.list, "[SYSTEM]\talpha");
    PostMessageA(app.main, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors({{1, 0xFF}, {12, 0}, {5, 0x80}}); }));
    EXPECT_EQ(3, SendMessageW(app.list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(wallpaper, DesktopWallpaper());
    EXPECT_EQ(0, ExitApp(app));
}

// Install the selected file under its whole name; a scheme is refused. Install all: No skips a file installed already,
// Cancel ends the command.
TEST(Window, Installs) {
    ProgramDir p;
    App app = StartOnTheSets(p);
    Choose(app, IDM_INSTALL_SELECTED, "(a)b.col)\tParen", {});
    EXPECT_TRUE(Listed(app, "[SYSTEM]\ta)b.col"));
    EXPECT_EQ("1,C,5,8,4,7,2,3,9,A,B,6,0", Scheme("a)b.col"));
    Choose(app, IDM_INSTALL_SELECTED, "[SYSTEM]\tZeta", {{"It's a system color, already in system.", IDOK}});
    Choose(app, IDM_INSTALL_ALL, "", {{"I'll add all lumivane files into system.\nAre you shure?", IDOK},
                                      {"a)b.col is already installed. Overwrite?", IDNO},
                                      {"dusk.col is already installed. Overwrite?", IDCANCEL}});
    EXPECT_EQ("1|", Scheme("dusk.col") + "|" + Scheme("legacy.col")) << "Cancel ends Install all";
    EXPECT_EQ(0, ExitApp(app));
}

// Delete asks with the whole entry; a name with ")" is its own file, never the decoy; a scheme entry cannot be deleted.
// Fix: No writes nothing (Yes: the road below). The system menu's Close ends the program.
TEST(Window, DeletesAndFixes) {
    ProgramDir p;
    App app = StartOnTheSets(p);
    const std::string paren = "(a)b.col)\tParen", zeta = "[SYSTEM]\tZeta";
    const std::string ask = "\n Now we are going to delete this color-setting file\x81\x42\n  Are you right?";
    Choose(app, IDM_DELETE, paren, {{paren + ask, IDNO}});
    EXPECT_TRUE(Listed(app, paren)) << "after No";
    Choose(app, IDM_DELETE, paren, {{paren + ask, IDYES}});
    Choose(app, IDM_DELETE, zeta, {{zeta + ask, IDYES}, {"Can't delete the file", IDOK}});
    EXPECT_EQ("0|1|" + ColFile("Decoy", "") + "|FF",
              std::to_string(Listed(app, paren)) + "|" + std::to_string(Listed(app, zeta)) + "|" +
                  ReadBytes(p.dir + "a") + "|" + Scheme("Zeta"));
    Choose(app, IDM_FIX, "", {{"   Now lumivane is going to record the colors in to win.ini file.\n\n      After you "
                               "choose Yes,\n\nYour Windows will set this color-set automaticaly.\n\n      Are you "
                               "sure?\n\n", IDNO}});
    EXPECT_EQ("", Profile("colors", "Scrollbar"));
    PostMessageA(app.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0, WaitExit(app.program));
}

// A new association brings the question once the window shows its list; Yes proposes the owners' file in Save As. The
// next start asks nothing.
TEST(Window, FirstRunQuestionOnceThenTheOwnersFile) {
    ProgramDir p = PrepareProgram();
    WriteBytes(p.dir + "one.col", ColFile("One", ""));
    SetProfile("extensions", "col", "someother.exe ^.col");
    App app = StartApp(p);
    Box box = WaitBox(app.program);
    EXPECT_EQ("Do you want to save 'current system color setteing'?|owned|listed",
              box.text + (box.owner == app.main ? "|owned" : "") + (Listed(app, "(one.col)\tOne") ? "|listed" : ""));
    Answer(box, IDYES);
    HWND dialog = WaitWindow(app.program, "#32770", "Save New Data");
    EXPECT_EQ("owners.col|Owners Default Color|", TextOf(GetDlgItem(dialog, IDC_FILENAME)) + "|" +
              TextOf(GetDlgItem(dialog, IDC_TITLE_ENGLISH)) + "|" + TextOf(GetDlgItem(dialog, IDC_TITLE_PRIMARY)));
    PostCommand(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return Listed(app, "(owners.col)\tOwners Default Color"); }));
    EXPECT_EQ(0, ExitApp(app));
    App again = StartApp(p);
    EXPECT_FALSE(WaitFor([&] { return BoxOf(again.program).window != nullptr; }, 1000)) << "asked again";
    EXPECT_EQ(0, ExitApp(again));
}

// Two copies installing all their files at the same moment: every scheme that was there, the current scheme's record
// and every new one stay.
TEST(Window, TwoCopiesInstallingAtOnceLoseNoScheme) {
    SetProfile("COLOR SCHEMES", nullptr, nullptr, "control.ini");
    for (int i = 0; i < 100; i++) SetScheme(("old" + std::to_string(i)).c_str(), "FF");
    SetProfile("CURRENT", "COLOR SCHEMES", "old7", "control.ini");
    App copies[2];
    for (char k : {'a', 'b'}) {
        ProgramDir p = PrepareProgram("LUMVAN32.EXE", {}, std::string(1, k));
        for (int i = 0; i < 150; i++) WriteBytes(p.dir + k + std::to_string(i) + ".col", ColFile("", ""));
        copies[k - 'a'] = StartApp(p);
    }
    for (App &app : copies) PostCommand(app.main, IDM_INSTALL_ALL);
    for (App &app : copies) Answer(WaitBox(app.program), IDOK);
    for (App &app : copies) Settle(app.main);
    char keys[65536];  // every name, each ended by a NUL
    DWORD size = GetPrivateProfileStringA("COLOR SCHEMES", nullptr, "", keys, sizeof keys, "control.ini");
    EXPECT_EQ(400, std::count(keys, keys + size, '\0')) << "schemes kept of 400";
    EXPECT_EQ("old7", Profile("CURRENT", "COLOR SCHEMES", "control.ini"));
    for (App &app : copies) EXPECT_EQ(0, ExitApp(app));
}

// A rebuild's box has no owner: commands can come while it is up. One on the list's entries is ignored, a rebuild asked
// for follows once, and no entry is listed twice.
TEST(Window, RebuildAskedForDuringARebuildListsEachEntryOnce) {
    ProgramDir p = PrepareProgram();
    SetProfile("COLOR SCHEMES", nullptr, nullptr, "control.ini");
    for (const char *n : {"a", "b", "c"}) WriteBytes(p.dir + n + ".col", ColFile(n, ""));
    App app = StartApp(p);
    HANDLE held = CreateFileA((p.dir + "b.col").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    PostCommand(app.main, IDM_INSTALL_SELECTED);  // installs a.col, then rebuilds
    Box box = WaitBox(app.program);
    PostCommand(app.main, IDM_INSTALL_ALL);                      // on the entries: ignored
    ASSERT_TRUE(Close(OpenDialog(app, IDM_SAVEAS, "Save New Data"), IDCANCEL));  // cancelled, it asks for a rebuild
    Answer(box, IDOK);
    AnswerBoxes(app, {{"Can't access file: b.col", IDOK}});  // the rebuild asked for
    EXPECT_FALSE(WaitFor([&] { return BoxOf(app.program).window != nullptr; }, 1000)) << "and only once";
    CloseHandle(held);
    EXPECT_EQ((std::vector<std::string>{"(a.col)\ta", "(c.col)\tc", "[SYSTEM]\ta.col"}), ListEntries(app.list));
    EXPECT_EQ(0, ExitApp(app));
}

// The road most users take, in the edition the locale gives, the program started from another directory: apply an
// entry, save the colors on screen under a bare name, then in a relative directory, each a second time by accepting the
// name proposed, and make them permanent. Each proposal names the file just saved, saved again after the replace
// question; a directory is applied once. (scripts/test then restarts Wine: a new process starts with the colors Fix
// recorded.)
static void OpenApplySaveAsExit() {
    ProgramDir p = PrepareProgram();
    const std::string elsewhere = FreshDir("_elsewhere");
    CreateDirectoryA((p.dir + "sub").c_str(), nullptr), CreateDirectoryA((p.dir + "sub\\sub").c_str(), nullptr);
    WriteBytes(p.dir + "road.col", ColFile("Road", "Background= 1 2 3\r\n"));
    SetProfile("COLOR SCHEMES", nullptr, nullptr, "control.ini");
    SetDesktopColors(StartingColors({}, 31));  // every color: the restart shows them all kept
    App app = StartApp(p, elsewhere);
    PostCommand(app.main, IDM_OPEN);
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors({{1, 0x030201}}); }));
    struct { const char *typed; std::string proposed; } saves[] = {  // typed "": the name proposed is accepted
        {"mine", ""}, {"", p.dir + "mine.col"}, {"sub\\first", ""}, {"", p.dir + "sub\\first.col"}};
    for (const auto &save : saves) {
        HWND dialog = OpenDialog(app, IDM_SAVEAS, nullptr), name = GetDlgItem(dialog, IDC_FILENAME);
        if (*save.typed) SetTextOf(name, save.typed);
        else EXPECT_EQ(0, lstrcmpiA(save.proposed.c_str(), TextOf(name).c_str())) << TextOf(name);
        PostCommand(dialog, IDOK);
        if (!*save.typed) Answer(WaitBox(app.program), IDYES);  // replace it
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    }
    // The program writes after its dialog has gone: the file is read until the write is done.
    std::string first;
    EXPECT_TRUE(WaitFor([&] {
        return (first = ReadBytes(p.dir + "sub\\first.col")).find("\r\nBackground= 1 2 3\r\n") != std::string::npos;
    })) << first;
    EXPECT_EQ("<missing>", ReadBytes(elsewhere + "mine.col").substr(0, 9));
    EXPECT_EQ(0, CountFiles(p.dir + "sub\\sub\\*.col"));
    PostCommand(app.main, IDM_FIX);  // the colors on screen made permanent
    Answer(WaitBox(app.program), IDYES);
    EXPECT_EQ(0, ExitApp(app));
    EXPECT_EQ("1 2 3", Profile("colors", "Background"));
}

TEST(Road, OpenApplySaveAsExit) { OpenApplySaveAsExit(); }
TEST(RoadJapanese, OpenApplySaveAsExit) { OpenApplySaveAsExit(); }

