// Add Color Set in the running program: the chooser over directories and
// drives, typed patterns, and the import into the program's directory.
#include "../../resources/resource.h"
#include "dialog_driver.h"

namespace {

const char kAddEnglish[] = "Add File";
const char kAddJapanese[] = "データの追加";

std::string WithoutSlash(const std::string &dir) { return dir.substr(0, dir.size() - 1); }

// Temporary files of an import that may have been left behind.
int TempFilesIn(const std::string &dir) {
    int n = 0;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "LUM*.TMP").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do n++;
    while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
}

class AddTest : public testing::Test {
protected:
    void TearDown() override { CloseWindowed(w); }
    // Opens the Add dialog, types a name and presses Add; the dialog ends.
    bool Import(const std::string &typed) {
        HWND dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
        if (!dialog) return false;
        TypeInto(dialog, IDC_FILENAME, typed);
        Press(dialog, IDOK);
        return WaitDestroyed(dialog);
    }
    Windowed w;
};

using Add = AddTest;

TEST_F(Add, OpensWithThePatternSelectedAndTheListing) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col", "slate.col"});
    CreateDirectoryA((p.dir + "sub").c_str(), nullptr);
    WriteBytes(p.dir + "notes.txt", "notes");
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
    ASSERT_TRUE(dialog) << "no Add dialog";
    EXPECT_EQ("*.col", FieldText(dialog, IDC_FILENAME));
    EXPECT_EQ(std::make_pair(0, 5), FieldSelection(dialog, IDC_FILENAME)) << "the pattern is selected";
    EXPECT_TRUE(ControlEnabled(dialog, IDOK));
    EXPECT_TRUE(SameTextNoCase(WithoutSlash(p.dir), FieldText(dialog, IDC_ADD_DIRTEXT))) << FieldText(dialog, IDC_ADD_DIRTEXT);
    std::vector<std::string> items = ListEntries(GetDlgItem(dialog, IDC_ADD_LIST));
    struct {
        const char *item;
        bool listed;
    } expected[] = {{"dusk.col", true}, {"slate.col", true}, {"[sub]", true}, {"[..]", true},
                    {"[-c-]", true},    {"notes.txt", false}, {"LUMVAN32.EXE", false}};
    for (const auto &e : expected) EXPECT_EQ(e.listed, ListHas(items, e.item)) << e.item;
    TypeInto(dialog, IDC_FILENAME, "");
    EXPECT_FALSE(ControlEnabled(dialog, IDOK)) << "the Add button follows the field";
    TypeInto(dialog, IDC_FILENAME, "d");
    EXPECT_TRUE(ControlEnabled(dialog, IDOK));
    Press(dialog, IDCANCEL);
    EXPECT_TRUE(WaitDestroyed(dialog));
}

TEST_F(Add, SubdirectoriesAreSelectedAndOpened) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    CreateDirectoryA((p.dir + "sub").c_str(), nullptr);
    WriteBytes(p.dir + "sub\\inner.col", ColorSetText("Inner", 0x010203));
    WriteBytes(p.dir + "sub\\inner.txt", ColorSetText("Inner text", 0x010203));
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
    ASSERT_TRUE(dialog);
    HWND list = GetDlgItem(dialog, IDC_ADD_LIST);

    // The user double-clicks in the list: the focus is there, and stays.
    DWORD_PTR sent;
    SendMessageTimeoutA(dialog, WM_NEXTDLGCTL, (WPARAM)list, TRUE, SMTO_NORMAL, 5000, &sent);
    ASSERT_TRUE(SelectItem(dialog, IDC_ADD_LIST, "[sub]"));
    EXPECT_EQ("sub\\*.col", FieldText(dialog, IDC_FILENAME)) << "a directory puts its pattern";
    Notify(dialog, IDC_ADD_LIST, LBN_DBLCLK);
    EXPECT_EQ("*.col", FieldText(dialog, IDC_FILENAME));
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof focus;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &focus);
    EXPECT_EQ(list, focus.hwndFocus) << "the focus stays in the list";
    EXPECT_TRUE(SameTextNoCase(p.dir + "sub", FieldText(dialog, IDC_ADD_DIRTEXT))) << FieldText(dialog, IDC_ADD_DIRTEXT);
    std::vector<std::string> items = ListEntries(list);
    EXPECT_TRUE(ListHas(items, "inner.col"));
    EXPECT_FALSE(ListHas(items, "dusk.col"));

    ASSERT_TRUE(SelectItem(dialog, IDC_ADD_LIST, "inner.col"));
    EXPECT_EQ("inner.col", FieldText(dialog, IDC_FILENAME)) << "a file puts its name";
    EXPECT_EQ(std::make_pair(0, 9), FieldSelection(dialog, IDC_FILENAME));

    // A pattern without directory lists the directory shown.
    TypeInto(dialog, IDC_FILENAME, "*.txt");
    Click(dialog, IDOK);
    EXPECT_TRUE(SameTextNoCase(p.dir + "sub", FieldText(dialog, IDC_ADD_DIRTEXT))) << FieldText(dialog, IDC_ADD_DIRTEXT);
    EXPECT_TRUE(ListHas(ListEntries(list), "inner.txt"));

    ASSERT_TRUE(SelectItem(dialog, IDC_ADD_LIST, "[..]"));
    EXPECT_EQ("..\\*.txt", FieldText(dialog, IDC_FILENAME));
    Notify(dialog, IDC_ADD_LIST, LBN_DBLCLK);
    EXPECT_TRUE(SameTextNoCase(WithoutSlash(p.dir), FieldText(dialog, IDC_ADD_DIRTEXT))) << FieldText(dialog, IDC_ADD_DIRTEXT);
    EXPECT_TRUE(ListHas(ListEntries(list), "[sub]"));
    Press(dialog, IDCANCEL);
    EXPECT_TRUE(WaitDestroyed(dialog));
}

TEST_F(Add, TxtPatternBecomesTheDefaultExtension) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    WriteBytes(p.dir + "notes.txt", ColorSetText("Notes", 0x445566));
    w = StartWindowed(p);
    ASSERT_TRUE(ListHas(FileEntries(w.list), "(dusk.col)\tDusk"));
    HWND dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
    ASSERT_TRUE(dialog);
    TypeInto(dialog, IDC_FILENAME, "*.txt");
    Click(dialog, IDOK);
    EXPECT_EQ("*.txt", FieldText(dialog, IDC_FILENAME));
    std::vector<std::string> items = ListEntries(GetDlgItem(dialog, IDC_ADD_LIST));
    EXPECT_TRUE(ListHas(items, "notes.txt"));
    EXPECT_FALSE(ListHas(items, "dusk.col"));
    Press(dialog, IDCANCEL);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    // The scheme list now shows the .txt files, Save As appends .txt, and
    // the next Add starts from *.txt.
    EXPECT_EQ(std::vector<std::string>{"(notes.txt)\tNotes"}, FileEntries(w.list));
    HWND save = OpenDialog(w, IDM_SAVEAS, "Save New Data");
    ASSERT_TRUE(save);
    TypeInto(save, IDC_FILENAME, "x");
    TypeInto(save, IDC_TITLE_ENGLISH, "Ex");
    Press(save, IDOK);
    ASSERT_TRUE(WaitDestroyed(save));
    Settle(w);
    EXPECT_TRUE(Exists(p.dir + "x.txt"));
    EXPECT_FALSE(Exists(p.dir + "x.col"));
    EXPECT_TRUE(ListHas(FileEntries(w.list), "(x.txt)\tEx"));
    dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
    ASSERT_TRUE(dialog);
    EXPECT_EQ("*.txt", FieldText(dialog, IDC_FILENAME));
    Press(dialog, IDCANCEL);
    WaitDestroyed(dialog);
}

TEST_F(Add, ImportsFromAnotherDirectory) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    std::string other = FreshDir(CurrentTestName() + "_other");
    std::string farText = ColorSetText("Far", 0x0A0B0C), nearText = ColorSetText("Near", 0x0C0B0A);
    WriteBytes(other + "far.col", farText);
    WriteBytes(other + "near.col", nearText);
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
    ASSERT_TRUE(dialog);
    TypeInto(dialog, IDC_FILENAME, other + "*.col");
    Click(dialog, IDOK);
    EXPECT_TRUE(SameTextNoCase(WithoutSlash(other), FieldText(dialog, IDC_ADD_DIRTEXT)));
    ASSERT_TRUE(SelectItem(dialog, IDC_ADD_LIST, "far.col"));
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    EXPECT_EQ(farText, ReadBytes(p.dir + "far.col"));
    EXPECT_EQ(farText, ReadBytes(other + "far.col")) << "the source stays";
    EXPECT_TRUE(ListHas(FileEntries(w.list), "(far.col)\tFar"));

    // The next Add shows the same directory; a name without extension gets
    // the default one.
    ASSERT_TRUE(Import("near"));
    Settle(w);
    EXPECT_EQ(nearText, ReadBytes(p.dir + "near.col"));
    EXPECT_TRUE(ListHas(FileEntries(w.list), "(near.col)\tNear"));
    EXPECT_EQ(0, TempFilesIn(p.dir));
}

TEST_F(Add, ImportOverAnExistingFileAsksNoKeepsYesReplaces) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    std::string other = FreshDir(CurrentTestName() + "_other");
    std::string mine = ReadBytes(p.dir + "dusk.col"), theirs = ColorSetText("Other dusk", 0x202020);
    WriteBytes(other + "dusk.col", theirs);
    w = StartWindowed(p);
    struct {
        int answer;
        const char *expected;  // the destination afterwards: "mine" or "theirs"
    } steps[] = {{IDNO, "mine"}, {IDYES, "theirs"}};
    for (const auto &s : steps) {
        ASSERT_TRUE(Import(other + "dusk.col"));
        Box box = FindBox(w.program);
        ASSERT_TRUE(box.window) << "no replace question";
        EXPECT_EQ(p.dir + "dusk.col is already exit. Shall I replace the file?", box.text);
        EXPECT_EQ("Lumivane", box.caption);
        EXPECT_TRUE(box.hasYes && box.hasNo && !box.hasCancel);
        EXPECT_EQ(w.main, box.owner) << "owned by the main window";
        Answer(box, s.answer);
        Settle(w);
        EXPECT_EQ(std::string(s.expected) == "mine" ? mine : theirs, ReadBytes(p.dir + "dusk.col")) << s.expected;
        EXPECT_EQ(0, TempFilesIn(p.dir));
    }
    EXPECT_TRUE(ListHas(FileEntries(w.list), "(dusk.col)\tOther dusk"));
    EXPECT_EQ(theirs, ReadBytes(other + "dusk.col"));
}

TEST_F(Add, MissingSourceAndEmptyNameAreReported) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    w = StartWindowed(p);
    ASSERT_TRUE(Import("nosuch"));
    Box box = FindBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("Can't find file: nosuch.col", box.text);
    EXPECT_EQ("Lumivane", box.caption);
    EXPECT_TRUE(box.hasOk && !box.hasYes);
    EXPECT_EQ(nullptr, box.owner);
    Answer(box, IDOK);
    Settle(w);
    EXPECT_FALSE(Exists(p.dir + "nosuch.col"));

    HWND dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
    ASSERT_TRUE(dialog);
    TypeInto(dialog, IDC_FILENAME, "");
    Press(dialog, IDOK);
    box = FindBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("NO FILE NAME!!!", box.text);
    EXPECT_NE("Lumivane", box.caption) << "the platform's default caption";
    EXPECT_EQ(dialog, box.owner);
    Answer(box, IDOK);
    Settle(w);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays";
    Press(dialog, IDCANCEL);
    WaitDestroyed(dialog);
}

// Typed patterns that cannot be taken whole are refused with a message;
// nothing changes: neither the listing nor the default extension.
TEST_F(Add, PatternsThatDoNotFitOrListNothingChangeNothing) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
    ASSERT_TRUE(dialog);
    std::string longDir(130, 'd');
    struct {
        std::string typed;
        std::string message;
    } cases[] = {
        {"*.colours", "The file pattern is too long: *.colours"},  // extension of 8 bytes
        {"abcdefghijklm*.col", "The file pattern is too long: abcdefghijklm*.col"},  // filter of 18 bytes
        {longDir + "\\*.col", "The file pattern is too long: " + longDir + "\\*.col"},
        {"nosuch\\*.txt", "Can't find file: nosuch\\*.txt"},
    };
    for (const auto &c : cases) {
        TypeInto(dialog, IDC_FILENAME, c.typed);
        Press(dialog, IDOK);
        Box box = FindBox(w.program);
        ASSERT_TRUE(box.window) << c.typed;
        EXPECT_EQ(c.message, box.text);
        EXPECT_EQ(dialog, box.owner);
        Answer(box, IDOK);
        Settle(w);
        EXPECT_EQ(c.typed, FieldText(dialog, IDC_FILENAME)) << "the field keeps what was typed";
        EXPECT_TRUE(SameTextNoCase(WithoutSlash(p.dir), FieldText(dialog, IDC_ADD_DIRTEXT)));
        EXPECT_TRUE(ListHas(ListEntries(GetDlgItem(dialog, IDC_ADD_LIST)), "dusk.col")) << c.typed;
    }
    Press(dialog, IDCANCEL);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    dialog = OpenDialog(w, IDM_ADD, kAddEnglish);
    ASSERT_TRUE(dialog);
    EXPECT_EQ("*.col", FieldText(dialog, IDC_FILENAME)) << "the default extension is unchanged";
    Press(dialog, IDCANCEL);
    WaitDestroyed(dialog);
}

class AddJapanese : public AddTest {
protected:
    void SetUp() override {
        if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    }
};

TEST_F(AddJapanese, DialogAndMessagesOfTheJapaneseEditions) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    std::string other = FreshDir(CurrentTestName() + "_表ソ");
    WriteBytes(other + "夕焼ソ.col", ColorSetText("Yuyake", 0x102030));
    WriteBytes(other + "dusk.col", ColorSetText("Other", 0x302010));
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_ADD, kAddJapanese);
    ASSERT_TRUE(dialog);
    EXPECT_EQ("*.col", FieldText(dialog, IDC_FILENAME));
    // A directory whose name ends in a '\' trail byte is listed whole.
    TypeInto(dialog, IDC_FILENAME, other + "*.col");
    Click(dialog, IDOK);
    std::vector<std::string> items = ListEntries(GetDlgItem(dialog, IDC_ADD_LIST));
    EXPECT_TRUE(ListHas(items, "夕焼ソ.col"));
    ASSERT_TRUE(SelectItem(dialog, IDC_ADD_LIST, "夕焼ソ.col"));
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    EXPECT_TRUE(Exists(p.dir + "夕焼ソ.col"));

    dialog = OpenDialog(w, IDM_ADD, kAddJapanese);
    ASSERT_TRUE(dialog);
    TypeInto(dialog, IDC_FILENAME, "dusk.col");
    Press(dialog, IDOK);
    Box box = FindBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ(p.dir + "dusk.colがすでにあります。置き換えますか？", box.text);
    EXPECT_EQ("るみべいん", box.caption);
    Answer(box, IDNO);
    Settle(w);

    dialog = OpenDialog(w, IDM_ADD, kAddJapanese);
    ASSERT_TRUE(dialog);
    TypeInto(dialog, IDC_FILENAME, "nosuch");
    Press(dialog, IDOK);
    box = FindBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("nosuch.colが見つかりません。", box.text);
    Answer(box, IDOK);
}

}  // namespace
