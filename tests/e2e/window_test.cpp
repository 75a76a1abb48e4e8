// The main window end to end: the scheme list, apply, delete, fix,
// install, restore, exit and the first-run question, driven from another
// process like a user would.
#include "../../core/colfile_text.h"
#include "../../core/scheme_codec.h"
#include "../../resources/resource.h"
#include "window_driver.h"

namespace {

ColorSet Colors(int seed) {
    ColorSet c;
    for (int i = 0; i < kElementCount; i++) c.value[i] = MakeColor((seed * 37 + i * 11) & 0xFF, (seed * 53 + i * 7) & 0xFF, (seed * 19 + i * 13) & 0xFF);
    return c;
}

std::vector<unsigned> AsList(const ColorSet &c) { return std::vector<unsigned>(c.value, c.value + kElementCount); }

void WriteColorSet(const std::string &path, const ColorSet &colors, const char *primary, const char *sibling,
                   const char *english, const char *wallpaper = nullptr) {
    std::string text;
    ASSERT_EQ(kComposed, ComposeColorSetFile(colors, primary, sibling, english, wallpaper, 0, &text));
    ASSERT_TRUE(WriteBytes(path, text)) << path;
}

const char kLegacy[] = "[るみべいん]\r\n昔の色\r\nScrollbar= 1 2 3\r\n";

// A directory with files of both forms, a file that is no color set, and
// two control-panel schemes.
ProgramDir MixedDirectory(const std::string &exeName) {
    ProgramDir p = PrepareProgram(CurrentTestName(), exeName);
    WriteColorSet(p.dir + "dusk.col", Colors(1), "夕暮れ", "たそがれ", "Dusk");
    WriteColorSet(p.dir + "B.COL", Colors(2), nullptr, nullptr, "Bee");
    WriteColorSet(p.dir + "a.col", Colors(3), "エー", nullptr, nullptr);
    WriteBytes(p.dir + "legacy.col", kLegacy);
    WriteBytes(p.dir + "notes.col", "not a color set\r\n");
    WriteBytes(p.dir + "other.txt", "[WindowsSystemColors]\r\n");
    ClearSchemes();
    SetScheme("Zeta", "808000,C0C0C0,FFFFFF,0,FFFFFF,0,800000,FFFFFF,FFFFFF,C0C0C0,C0C0C0,0,C0C0C0");
    SetScheme("alpha", "FF,,80");
    return p;
}

TEST(Window, ListShowsFilesUnderTheirEnglishTitlesThenSchemes) {
    ProgramDir p = MixedDirectory("LUMVAN32.EXE");
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.list);
    std::vector<std::string> expected = {"(a.col)\t",     "(B.COL)\tBee",     "(dusk.col)\tDusk",
                                         "(legacy.col)\t", "[SYSTEM]\talpha", "[SYSTEM]\tZeta"};
    EXPECT_EQ(expected, Entries(w));
    EXPECT_EQ(0, ListSelection(w.list));
    EXPECT_EQ(w.list, FocusOf(w));
    EXPECT_EQ(0, ExitProgram(w));
}

struct JapaneseListCase {
    const char *exeName;
    std::vector<std::string> entries;
};

class WindowJapanese : public testing::TestWithParam<JapaneseListCase> {};

TEST_P(WindowJapanese, ListShowsTheEditionsTitles) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    ProgramDir p = MixedDirectory(GetParam().exeName);
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.list);
    EXPECT_EQ(GetParam().entries, Entries(w));
    EXPECT_EQ(0, ExitProgram(w));
}

INSTANTIATE_TEST_SUITE_P(
    Editions, WindowJapanese,
    testing::Values(JapaneseListCase{"LUMVAN32.EXE",
                                     {"(a.col)\tエー", "(B.COL)\tBee", "(dusk.col)\t夕暮れ", "(legacy.col)\t昔の色",
                                      "[SYSTEM]\talpha", "[SYSTEM]\tZeta"}},
                    JapaneseListCase{"VELTINA.EXE",
                                     {"(a.col)\t", "(B.COL)\tBee", "(dusk.col)\tたそがれ", "(legacy.col)\t",
                                      "[SYSTEM]\talpha", "[SYSTEM]\tZeta"}}));

TEST(Window, EmptyDirectoryGivesAnEmptyListAndOpenDoesNothing) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    ClearSchemes();
    SetDesktopColors(StartingColors());
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.list);
    EXPECT_TRUE(Entries(w).empty());
    EXPECT_EQ(-1, ListSelection(w.list));
    Command(w, IDM_OPEN);
    PressReturn(w.list);
    EXPECT_TRUE(NoWindow(w.program, "#32770", 500));
    EXPECT_EQ(StartingColors(), ReadDesktopColors());
    EXPECT_EQ(0, ExitProgram(w));
}

TEST(Window, FrameIsCaptionPlusMenuPlusPanel) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.panel);
    RECT frame, panel;
    GetWindowRect(w.main, &frame);
    GetWindowRect(w.panel, &panel);
    EXPECT_EQ(panel.right - panel.left, frame.right - frame.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) + (panel.bottom - panel.top),
              frame.bottom - frame.top);
    LONG style = GetWindowLongA(w.main, GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(0, ExitProgram(w));
}

// Every way of applying a file entry: colors read back from the desktop.
enum ApplyBy { kDoubleClick, kReturnOnList, kReturnOnMain, kMenuOpen };

class WindowApply : public testing::TestWithParam<ApplyBy> {};

TEST_P(WindowApply, SelectedFileIsApplied) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    ClearSchemes();
    WriteColorSet(p.dir + "one.col", Colors(5), nullptr, nullptr, "One");
    WriteColorSet(p.dir + "two.col", Colors(6), nullptr, nullptr, "Two");
    SetDesktopColors(StartingColors());
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.list);
    Select(w, 1);
    switch (GetParam()) {
    case kDoubleClick: DoubleClick(w, 1); break;
    case kReturnOnList: PressReturn(w.list); break;
    case kReturnOnMain: PressReturn(w.main); break;
    case kMenuOpen: Command(w, IDM_OPEN); break;
    }
    EXPECT_TRUE(WaitColors(AsList(Colors(6))));
    EXPECT_EQ(1, ListSelection(w.list)) << "applying does not rebuild the list";
    EXPECT_EQ(0, ExitProgram(w));
}

INSTANTIATE_TEST_SUITE_P(Ways, WindowApply, testing::Values(kDoubleClick, kReturnOnList, kReturnOnMain, kMenuOpen));

TEST(Window, SchemeEntryAppliesItsThirteenElementsAndKeepsTheWallpaper) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"lvtile.bmp"});
    ClearSchemes();
    SetScheme("Sunset", "808000,C0C0C0,FFFFFF,0,FFFFFF,0,800000,FFFFFF,FFFFFF,C0C0C0,C0C0C0,0,C0C0C0");
    SetDesktopColors(StartingColors());
    std::string wallpaperBefore = ProbeWallpaper();
    Window w = StartWindowed(p);
    ASSERT_EQ(1u, Entries(w).size());
    Command(w, IDM_OPEN);
    std::vector<unsigned> expected = StartingColors();
    ColorSet fromLine;
    for (int i = 0; i < kElementCount; i++) fromLine.value[i] = (int32_t)expected[i];
    DecodeSchemeLine("808000,C0C0C0,FFFFFF,0,FFFFFF,0,800000,FFFFFF,FFFFFF,C0C0C0,C0C0C0,0,C0C0C0", &fromLine);
    EXPECT_TRUE(WaitColors(AsList(fromLine)));
    EXPECT_EQ(0x808000u, ReadDesktopColors()[1]);
    EXPECT_EQ(wallpaperBefore, ProbeWallpaper());
    EXPECT_EQ(0, ExitProgram(w));
}

TEST(Window, FileEntryWithWallpaperSetsIt) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"meadow.col", "lvtile.bmp"});
    ClearSchemes();
    Window w = StartWindowed(p);
    ASSERT_EQ(1u, Entries(w).size());
    Command(w, IDM_OPEN);
    EXPECT_TRUE(WaitColors(ColorsOfFile(p.dir + "meadow.col")));
    DWORD start = GetTickCount();
    while (ProbeWallpaper().find("lvtile.bmp") == std::string::npos && GetTickCount() - start < 5000) Sleep(50);
    EXPECT_NE(std::string::npos, ProbeWallpaper().find("lvtile.bmp"));
    EXPECT_EQ(0, ExitProgram(w));
}

// A name holding ")" must never be taken for another file.
TEST(Window, NameWithParenthesisNamesItsOwnFile) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    ClearSchemes();
    WriteColorSet(p.dir + "a)b.col", Colors(7), nullptr, nullptr, "Paren");
    WriteColorSet(p.dir + "a", Colors(8), nullptr, nullptr, "Decoy");
    SetDesktopColors(StartingColors());
    Window w = StartWindowed(p);
    ASSERT_EQ(std::vector<std::string>{"(a)b.col)\tParen"}, Entries(w));
    Command(w, IDM_OPEN);
    EXPECT_TRUE(WaitColors(AsList(Colors(7))));
    // Installing uses the whole name as the scheme's key.
    Command(w, IDM_INSTALL_SELECTED);
    ASSERT_TRUE(WaitEntries(w, 2));
    EXPECT_EQ("(a)b.col)\tParen", Entries(w)[0]);
    EXPECT_EQ("[SYSTEM]\ta)b.col", Entries(w)[1]);
    Select(w, 0);
    // Deleting removes that file, not the decoy.
    Command(w, IDM_DELETE);
    Box box = WaitBox(w.program);
    ASSERT_TRUE(box.window);
    Answer(box, IDYES);
    ASSERT_TRUE(WaitEntries(w, 1));
    EXPECT_FALSE(Exists(p.dir + "a)b.col"));
    EXPECT_TRUE(Exists(p.dir + "a"));
    EXPECT_EQ(0, ExitProgram(w));
}

struct DeleteCase {
    const char *label;
    bool systemEntry;
    int answer;
    bool gone;
    const char *followUp;  // a second box after the answer, or null
};

class WindowDelete : public testing::TestWithParam<DeleteCase> {};

TEST_P(WindowDelete, AsksWithTheEntryThenDeletes) {
    const DeleteCase &c = GetParam();
    ProgramDir p = PrepareProgram(CurrentTestName());
    ClearSchemes();
    SetScheme("Classic", "FF");
    WriteColorSet(p.dir + "sunset.col", Colors(9), nullptr, nullptr, "Sunset");
    Window w = StartWindowed(p);
    ASSERT_EQ(2u, Entries(w).size());
    std::string entry = c.systemEntry ? "[SYSTEM]\tClassic" : "(sunset.col)\tSunset";
    Select(w, IndexOf(w, entry));
    Command(w, IDM_DELETE);
    Box box = WaitBox(w.program);
    ASSERT_TRUE(box.window) << c.label;
    EXPECT_EQ(entry + "\n Now we are going to delete this color-setting file\x81\x42\n  Are you right?", box.text);
    EXPECT_EQ("Lumivane", box.caption);
    EXPECT_EQ(w.main, box.owner);
    EXPECT_TRUE(box.hasYes && box.hasNo);
    Answer(box, c.answer);
    if (c.followUp) {
        Box second = WaitBox(w.program);
        ASSERT_TRUE(second.window) << c.label;
        EXPECT_EQ(c.followUp, second.text);
        Answer(second, IDOK);
    }
    ASSERT_TRUE(WaitEntries(w, c.gone ? 1 : 2)) << c.label;
    EXPECT_EQ(!c.gone, Exists(p.dir + "sunset.col")) << c.label;
    EXPECT_EQ("FF", Scheme("Classic")) << "schemes are never removed";
    EXPECT_EQ(0, ListSelection(w.list));
    EXPECT_EQ(0, ExitProgram(w));
}

INSTANTIATE_TEST_SUITE_P(Answers, WindowDelete,
                         testing::Values(DeleteCase{"file, yes", false, IDYES, true, nullptr},
                                         DeleteCase{"file, no", false, IDNO, false, nullptr},
                                         DeleteCase{"scheme, yes", true, IDYES, false, "Can't delete the file"},
                                         DeleteCase{"scheme, no", true, IDNO, false, nullptr}));

TEST(Window, FixWritesTheCurrentColorsIntoWinIni) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    SetDesktopColors(StartingColors());
    WritePrivateProfileStringA("CURRENT", "COLOR SCHEMES", "Sunset", "control.ini");
    SetProfileValue("colors", nullptr, nullptr);
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.main);
    for (int answer : {IDNO, IDYES}) {
        Command(w, IDM_FIX);
        Box box = WaitBox(w.program);
        ASSERT_TRUE(box.window);
        EXPECT_EQ("   Now lumivane is going to record the colors in to win.ini file.\n\n      After you choose Yes,\n\n"
                  "Your Windows will set this color-set automaticaly.\n\n      Are you sure?\n\n",
                  box.text);
        EXPECT_FALSE(box.hasCancel);
        Answer(box, answer);
        if (answer == IDNO) {
            Sleep(200);
            EXPECT_EQ("", ProfileValue("colors", "Scrollbar")) << "No writes nothing";
            EXPECT_EQ("Sunset", ProfileValue("CURRENT", "COLOR SCHEMES", "control.ini"));
        }
    }
    DWORD start = GetTickCount();
    while (ProfileValue("colors", "ButtonText").empty() && GetTickCount() - start < 5000) Sleep(50);
    std::vector<unsigned> colors = StartingColors();
    const char *names[] = {"Scrollbar", "Background", "ActiveTitle", "InactiveTitle", "Menu", "Window",
                           "WindowFrame", "MenuText", "WindowText", "TitleText", "ActiveBorder", "InactiveBorder",
                           "AppWorkspace", "Hilight", "HilightText", "ButtonFace", "ButtonShadow", "GrayText",
                           "ButtonText"};
    for (int i = 0; i < 19; i++) {
        char text[32];
        snprintf(text, sizeof text, "%u %u %u", colors[i] & 0xFF, (colors[i] >> 8) & 0xFF, (colors[i] >> 16) & 0xFF);
        EXPECT_EQ(text, ProfileValue("colors", names[i])) << names[i];
    }
    EXPECT_EQ("", ProfileValue("CURRENT", "COLOR SCHEMES", "control.ini"));
    EXPECT_EQ(0, ExitProgram(w));
}

TEST(Window, InstallSelectedWritesTheFileAsAScheme) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    ClearSchemes();
    ColorSet sunset = Colors(0);
    sunset.value[1] = 0x808000;
    sunset.value[12] = 0xC0C0C0;
    WriteColorSet(p.dir + "sunset.col", sunset, nullptr, nullptr, "Sunset");
    Window w = StartWindowed(p);
    ASSERT_EQ(1u, Entries(w).size());
    Command(w, IDM_INSTALL_SELECTED);
    ASSERT_TRUE(WaitEntries(w, 2));
    char line[kLineCap];
    EncodeSchemeLine(sunset, line, sizeof line);
    EXPECT_EQ(line, Scheme("sunset.col"));
    EXPECT_EQ("[SYSTEM]\tsunset.col", Entries(w)[1]);
    // A system entry is refused with its message.
    Select(w, 1);
    Command(w, IDM_INSTALL_SELECTED);
    Box box = WaitBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("It's a system color, already in system.", box.text);
    Answer(box, IDOK);
    EXPECT_EQ(0, ExitProgram(w));
}

struct InstallAllCase {
    const char *label;
    int answer;              // to the overwrite prompt for the second file
    const char *secondAfter;  // the second file's scheme afterwards
    bool thirdInstalled;
};

class WindowInstallAll : public testing::TestWithParam<InstallAllCase> {};

TEST_P(WindowInstallAll, OverwritePromptAnswers) {
    const InstallAllCase &c = GetParam();
    ProgramDir p = PrepareProgram(CurrentTestName());
    ClearSchemes();
    SetScheme("b.col", "1");
    WriteColorSet(p.dir + "a.col", Colors(1), nullptr, nullptr, "A");
    WriteColorSet(p.dir + "b.col", Colors(2), nullptr, nullptr, "B");
    WriteColorSet(p.dir + "c.col", Colors(3), nullptr, nullptr, "C");
    Window w = StartWindowed(p);
    ASSERT_EQ(4u, Entries(w).size());
    Command(w, IDM_INSTALL_ALL);
    Box notice = WaitBox(w.program);
    ASSERT_TRUE(notice.window);
    EXPECT_EQ("I'll add all lumivane files into system.\nAre you shure?", notice.text);
    EXPECT_TRUE(notice.hasOk && !notice.hasCancel && !notice.hasNo);
    Answer(notice, IDOK);
    Box prompt = WaitBox(w.program);
    ASSERT_TRUE(prompt.window) << c.label;
    EXPECT_EQ("b.col is already installed. Overwrite?", prompt.text);
    EXPECT_TRUE(prompt.hasYes && prompt.hasNo && prompt.hasCancel);
    Answer(prompt, c.answer);
    ASSERT_TRUE(WaitEntries(w, c.thirdInstalled ? 6 : 5)) << c.label;
    char line[kLineCap];
    EncodeSchemeLine(Colors(1), line, sizeof line);
    EXPECT_EQ(line, Scheme("a.col")) << c.label;
    if (c.secondAfter) {
        EXPECT_EQ(c.secondAfter, Scheme("b.col")) << c.label;
    } else {
        EncodeSchemeLine(Colors(2), line, sizeof line);
        EXPECT_EQ(line, Scheme("b.col")) << c.label;
    }
    EXPECT_EQ(c.thirdInstalled, !Scheme("c.col").empty()) << c.label;
    EXPECT_EQ(0, ExitProgram(w));
}

INSTANTIATE_TEST_SUITE_P(Answers, WindowInstallAll,
                         testing::Values(InstallAllCase{"yes", IDYES, nullptr, true},
                                         InstallAllCase{"no", IDNO, "1", true},
                                         InstallAllCase{"cancel", IDCANCEL, "1", false}));

// Two copies of the program installing all their files at the same moment:
// every scheme that was there, the current scheme's record and every new
// scheme survive.
TEST(Window, TwoCopiesInstallingAtOnceLoseNoScheme) {
    ClearSchemes();
    char name[32];
    for (int i = 0; i < 100; i++) {
        snprintf(name, sizeof name, "old%03d", i);
        SetScheme(name, "FF");
    }
    WritePrivateProfileStringA("CURRENT", "COLOR SCHEMES", "old007", "control.ini");
    Window copies[2];
    const char *prefixes[2] = {"a", "b"};
    for (int k = 0; k < 2; k++) {
        ProgramDir p = PrepareProgram(CurrentTestName() + "_" + prefixes[k]);
        for (int i = 0; i < 150; i++) {
            snprintf(name, sizeof name, "%s%03d.col", prefixes[k], i);
            ASSERT_TRUE(WriteBytes(p.dir + name, "[WindowsSystemColors]\r\n[ListOfColors]\r\nMenu= 1 2 3\r\n"));
        }
        copies[k] = StartWindowed(p);
        ASSERT_TRUE(copies[k].main);
    }
    for (Window &w : copies) Command(w, IDM_INSTALL_ALL);
    for (Window &w : copies) {
        Box notice = WaitBox(w.program);
        ASSERT_TRUE(notice.window);
        Answer(notice, IDOK);
    }
    for (Window &w : copies) {
        DWORD_PTR done;
        EXPECT_TRUE(SendMessageTimeoutA(w.main, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &done)) << "still installing";
    }
    int lost = 0;
    for (int i = 0; i < 100; i++) {
        snprintf(name, sizeof name, "old%03d", i);
        if (Scheme(name) != "FF") lost++;
    }
    for (int k = 0; k < 2; k++)
        for (int i = 0; i < 150; i++) {
            snprintf(name, sizeof name, "%s%03d.col", prefixes[k], i);
            if (Scheme(name).empty()) lost++;
        }
    EXPECT_EQ(0, lost) << "schemes lost of 400";
    EXPECT_EQ("old007", ProfileValue("CURRENT", "COLOR SCHEMES", "control.ini"));
    for (Window &w : copies) EXPECT_EQ(0, ExitProgram(w));
    ClearSchemes();
}

// A rebuild's box has no owner: commands can arrive while it is up. One on
// the list's entries is ignored, a rebuild asked for follows once, and no
// entry is ever listed twice.
TEST(Window, RebuildAskedForDuringARebuildListsEachEntryOnce) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    ClearSchemes();
    SetScheme("Zeta", "FF");
    WriteColorSet(p.dir + "a.col", Colors(1), nullptr, nullptr, "A");
    WriteColorSet(p.dir + "b.col", Colors(2), nullptr, nullptr, "B");
    WriteColorSet(p.dir + "c.col", Colors(3), nullptr, nullptr, "C");
    Window w = StartWindowed(p);
    ASSERT_EQ(4u, Entries(w).size());
    HANDLE held = CreateFileA((p.dir + "b.col").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    Command(w, IDM_INSTALL_SELECTED);  // installs a.col, then rebuilds
    Box box = WaitBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("Can't access file: b.col", box.text);
    Command(w, IDM_INSTALL_ALL);  // on the entries: ignored
    Command(w, IDM_SAVEAS);      // cancelled, it asks for a rebuild
    HWND dialog = WaitWindowTitled(w.program, "#32770", "Save New Data");
    ASSERT_TRUE(dialog);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitGone(dialog));
    Answer(box, IDOK);
    Box again = WaitBox(w.program);
    ASSERT_TRUE(again.window) << "the rebuild asked for follows";
    EXPECT_EQ("Can't access file: b.col", again.text);
    Answer(again, IDOK);
    EXPECT_TRUE(NoWindow(w.program, "#32770", 1000)) << "and only once";
    CloseHandle(held);
    std::vector<std::string> expected = {"(a.col)\tA", "(c.col)\tC", "[SYSTEM]\ta.col", "[SYSTEM]\tZeta"};
    EXPECT_EQ(expected, Entries(w));
    EXPECT_EQ(0, ExitProgram(w));
}

TEST(Window, LongSchemeNamesAreListedAndPromptedWhole) {
    // A short directory, so that a 102-byte file name still fits a path.
    ProgramDir p = PrepareProgram("L");
    ClearSchemes();
    std::string longScheme(240, 's');
    SetScheme(longScheme.c_str(), "FF");
    std::string longFile = std::string(98, 'f') + ".col";
    WriteColorSet(p.dir + longFile, Colors(4), nullptr, nullptr, "Long");
    SetScheme(longFile.c_str(), "1");
    // Colors set by another process reach a running program late under
    // Wine: set them before it starts.
    SetDesktopColors(StartingColors());
    Window w = StartWindowed(p);
    ASSERT_EQ(3u, Entries(w).size());
    EXPECT_EQ("[SYSTEM]\t" + longScheme, Entries(w)[2]);
    Select(w, 0);
    Command(w, IDM_INSTALL_SELECTED);
    Box prompt = WaitBox(w.program);
    ASSERT_TRUE(prompt.window);
    EXPECT_EQ(longFile + " is already installed. Overwrite?", prompt.text);
    Answer(prompt, IDNO);
    Sync(w);
    // The long scheme applies like any other.
    Select(w, 2);
    Command(w, IDM_OPEN);
    std::vector<unsigned> expected = StartingColors();
    expected[1] = 0xFF;  // the one field of the line; the rest keep their colors
    EXPECT_TRUE(WaitColors(expected));
    EXPECT_EQ(0, ExitProgram(w));
}

TEST(Window, RestoreAfterMinimizeRebuildsTheList) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    ClearSchemes();
    WriteColorSet(p.dir + "one.col", Colors(1), nullptr, nullptr, "One");
    WriteColorSet(p.dir + "two.col", Colors(2), nullptr, nullptr, "Two");
    Window w = StartWindowed(p);
    ASSERT_EQ(2u, Entries(w).size());
    Select(w, 1);
    PostMessageA(w.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    DWORD start = GetTickCount();
    while (!IsIconic(w.main) && GetTickCount() - start < 5000) Sleep(20);
    ASSERT_TRUE(IsIconic(w.main));
    WriteColorSet(p.dir + "three.col", Colors(3), nullptr, nullptr, "Three");
    EXPECT_EQ(2u, Entries(w).size()) << "no rebuild while minimized";
    PostMessageA(w.main, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitEntries(w, 3));
    EXPECT_EQ("(three.col)\tThree", Entries(w)[1]);
    EXPECT_EQ(0, ListSelection(w.list));
    EXPECT_EQ(w.list, FocusOf(w));
    EXPECT_EQ(0, ExitProgram(w));
}

TEST(Window, CloseFromTheSystemMenuEndsWithZero) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.main);
    PostMessageA(w.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0, WaitExit(w.program));
}

TEST(Window, FirstRunQuestionComesOnlyWhenTheAssociationWasNew) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    SetProfileValue("extensions", "col", "someother.exe ^.col");
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.main);
    Box box = WaitBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("Do you want to save 'current system color setteing'?", box.text);
    EXPECT_EQ(w.main, box.owner);
    EXPECT_TRUE(box.hasYes && box.hasNo);
    EXPECT_TRUE(IsWindowVisible(w.main)) << "asked once the window shows";
    EXPECT_EQ(1u, Entries(w).size()) << "and its list is built";
    Answer(box, IDNO);
    EXPECT_EQ(0, ExitProgram(w));
    EXPECT_EQ("LUMVAN32.exe ^.col", ProfileValue("extensions", "col"));
    // The association is in place now: no question.
    Window again = StartWindowed(p);
    ASSERT_TRUE(again.main);
    EXPECT_TRUE(NoWindow(again.program, "#32770", 1000));
    EXPECT_EQ(0, ExitProgram(again));
}

TEST(Window, NoQuestionAfterAFirstStartFromTheCommandLine) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    SetProfileValue("extensions", "col", nullptr);
    Program apply = Start(p.exe, "\"" + p.exe + "\" dusk.col", p.dir);
    EXPECT_EQ(0, WaitExit(apply));
    Window w = StartWindowed(p);
    ASSERT_TRUE(w.main);
    EXPECT_TRUE(NoWindow(w.program, "#32770", 1000));
    EXPECT_EQ(0, ExitProgram(w));
}

}  // namespace

namespace {

// A program directory so deep that it and a file name do not fit a path:
// the file is listed, but applying it is refused, never cut into another
// path.
TEST(WindowDeepDirectory, PathThatDoesNotFitIsRefusedWithTheReadersMessage) {
    std::string deep = "D" + std::string(90, 'd');
    ProgramDir p = PrepareProgram(deep);
    ClearSchemes();
    std::string name = std::string(30, 'n') + ".col";
    std::string text;
    ASSERT_EQ(kComposed, ComposeColorSetFile(GreetingColors, nullptr, nullptr, "Deep", nullptr, 0, &text));
    ASSERT_TRUE(WriteBytes(p.dir + name, text));
    ASSERT_GT(p.dir.size() + name.size(), 131u);
    SetDesktopColors(StartingColors());
    Window w = StartWindowed(p);
    ASSERT_EQ(std::vector<std::string>{"(" + name + ")\tDeep"}, Entries(w));
    Command(w, IDM_OPEN);
    Box box = WaitBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("INTERNAL ERROR, File " + p.dir + name + " not found", box.text);
    Answer(box, IDOK);
    Sync(w);
    EXPECT_EQ(StartingColors(), ReadDesktopColors());
    EXPECT_EQ(0, ExitProgram(w));
}

}  // namespace
