// The Add dialog through the running program.
#include "app.h"

static std::string Field(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

// The chooser: a directory's pattern, its listing on a double click (the focus staying in the list), a file chosen,
// imported and listed; Save As then proposes the copy.
static void ImportFromDirectory(const char *caption, const std::string &name) {
    ProgramDir p = PrepareProgram();
    std::string dir = p.dir + name + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    WriteBytes(dir + "inner.col", ColFile("Inner", "Window= 1 2 3\r\n"));
    App app = StartApp(p);
    HWND dialog = OpenDialog(app, IDM_ADD, caption), list = GetDlgItem(dialog, IDC_ADD_LIST);
    DWORD_PTR sent;
    SendMessageTimeoutA(dialog, WM_NEXTDLGCTL, (WPARAM)list, TRUE, SMTO_NORMAL, 5000, &sent);
    EXPECT_EQ("*.col", Field(dialog, IDC_FILENAME));
    Select(list, "[" + name + "]");
    Notify(dialog, IDC_ADD_LIST, LBN_SELCHANGE);
    EXPECT_EQ(name + "\\*.col", Field(dialog, IDC_FILENAME));
    Notify(dialog, IDC_ADD_LIST, LBN_DBLCLK);
    EXPECT_EQ(0, lstrcmpiA((p.dir + name).c_str(), Field(dialog, IDC_ADD_DIRTEXT).c_str()));
    EXPECT_EQ(list, FocusOf(dialog)) << "the focus stays in the list";
    Select(list, "inner.col");
    Notify(dialog, IDC_ADD_LIST, LBN_SELCHANGE);
    PostCommand(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return Listed(app, "(inner.col)\tInner"); }));
    EXPECT_EQ(ReadBytes(dir + "inner.col"), ReadBytes(p.dir + "inner.col"));
    HWND saveAs = OpenDialog(app, IDM_SAVEAS, nullptr);  // proposes the copy, never the file it came from
    EXPECT_EQ(0, lstrcmpiA((p.dir + "inner.col").c_str(), Field(saveAs, IDC_FILENAME).c_str()));
    ASSERT_TRUE(Close(saveAs, IDCANCEL));
    EXPECT_EQ(0, ExitApp(app));
}

TEST(Add, ChoosesAFileInADirectoryAndImportsIt) { ImportFromDirectory("Add File", "sub"); }

// ソ ends in the byte of '\': the directory is never cut inside it.
TEST(AddJapanese, ChoosesAFileInADirectoryAndImportsIt) { ImportFromDirectory("データの追加", "表ソ"); }
