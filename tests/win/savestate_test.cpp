// The values Save As and Add keep between dialogs, the OK button state they
// share, and both dialogs run in-process from the program's own templates:
// what each edition's save writes, the names refused and the patterns the
// Add dialog takes or refuses.
#include <string.h>

#include "../../core/savename.h"
#include "../../core/mbtext.h"
#include "../../commands/add.h"
#include "../../commands/saveas.h"
#include "../../commands/savestate.h"
#include "../../resources/resource.h"
#include "win_fixture.h"

namespace {

std::string TextOf(OptionalText text) {
    const char *p = LockText(text);
    std::string s = p ? p : "<absent>";
    UnlockText(text);
    return s;
}

// A modeless instance of a dialog template with its procedure; the current
// directory is put back when it ends, since the dialogs change it.
struct OpenDialogInProcess {
    HWND dialog;
    char cwd[MAX_PATH];
    OpenDialogInProcess(const char *templateName, DLGPROC procedure) {
        GetCurrentDirectoryA(sizeof cwd, cwd);
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), templateName, nullptr, procedure, 0);
    }
    ~OpenDialogInProcess() {
        if (dialog) DestroyWindow(dialog);
        SetCurrentDirectoryA(cwd);
    }
    void Type(int id, const std::string &text) { SetDlgItemTextA(dialog, id, text.c_str()); }
    std::string Field(int id) {
        char text[1024];
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    void Press(int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id)); }
    bool OkEnabled() { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != 0; }
};

TEST(SaveState, StoredTextsAreResizedAndEmptyIsPresent) {
    ScriptBoxes();
    std::string longText(300, 'x');
    const char *stores[] = {"sunset.col", "", longText.c_str(), "a", ""};
    OptionalText text = nullptr;
    for (const char *s : stores) {
        text = SetBlockText(text, s);
        ASSERT_NE(nullptr, text) << "store \"" << s << "\"";
        EXPECT_EQ(s, TextOf(text));
        EXPECT_GE(LocalSize(text), strlen(s) + 1);
    }
    ReleaseText(text);
    EXPECT_EQ("<absent>", TextOf(nullptr));
    EXPECT_TRUE(ShownBoxes().empty());
}

TEST(SaveState, OkStateFollowsRequests) {
    UseEdition(2);
    ResetSaveState();
    OpenDialogInProcess d("SAVEASENGLISH", SaveAsDlg);
    ASSERT_TRUE(d.dialog);
    struct {
        int request;
        int state;
        bool enabled;
    } steps[] = {{1, 1, false}, {2, 1, false}, {0, 0, true}, {2, 0, true}, {7, 0, true}, {1, 1, false}};
    for (const auto &s : steps) {
        EXPECT_EQ(s.state, SetOkState(d.dialog, s.request)) << "request " << s.request;
        EXPECT_EQ(s.enabled, d.OkEnabled()) << "request " << s.request;
    }
}

TEST(SaveState, FieldTextIsReadWholeIntoTheOldStorage) {
    UseEdition(2);
    ResetSaveState();
    ScriptBoxes();
    OpenDialogInProcess d("SAVEASENGLISH", SaveAsDlg);
    ASSERT_TRUE(d.dialog);
    std::string longName = "C:\\" + std::string(200, 'n') + ".col";
    OptionalText text = nullptr;
    for (const std::string &typed : {std::string("Sunset"), std::string(""), longName}) {
        d.Type(IDC_FILENAME, typed);
        text = ReadFieldText(d.dialog, IDC_FILENAME, text);
        ASSERT_NE(nullptr, text);
        EXPECT_EQ(typed, TextOf(text)) << "present even when empty, never cut";
    }
    ReleaseText(text);
}

// Each edition's template, filled and saved: the titles it reads become
// present (an empty field gives an empty title), the others stay absent,
// and the file has a section for each present title only.
TEST(SaveState, EachEditionSavesTheSectionsOfItsTitleFields) {
    struct Case {
        int edition;
        const char *primary, *sibling, *english;  // what the state holds after OK
        const char *sections;
    } cases[] = {
        {0, "P", "", "E", "[LUMIVANE]\r\nP\r\n[VELTINA]\r\n\r\n[ENGLISH]\r\nE\r\n[ListOfColors]"},
        {1, "<absent>", "", "E", "[VELTINA]\r\n\r\n[ENGLISH]\r\nE\r\n[ListOfColors]"},
        {2, "<absent>", "<absent>", "E", "[ENGLISH]\r\nE\r\n[ListOfColors]"},
    };
    std::string dir = TestDir(CurrentTestName());
    for (const Case &c : cases) {
        UseEdition(c.edition);
        ResetSaveState();
        ScriptBoxes();
        OpenDialogInProcess d(kEditions[c.edition].saveAsTemplate, SaveAsDlg);
        ASSERT_TRUE(d.dialog) << c.edition;
        std::string name = dir + "edition" + std::to_string(c.edition);
        d.Type(IDC_FILENAME, name);
        d.Type(IDC_TITLE_PRIMARY, "P");
        d.Type(IDC_TITLE_ENGLISH, "E");
        d.Press(IDOK);
        EXPECT_EQ(name + ".col", TextOf(g_saveState.fileName)) << c.edition;
        EXPECT_EQ(c.primary, TextOf(g_saveState.titlePrimary)) << c.edition;
        EXPECT_EQ(c.sibling, TextOf(g_saveState.titleSibling)) << c.edition;
        EXPECT_EQ(c.english, TextOf(g_saveState.titleEnglish)) << c.edition;
        EXPECT_STREQ(dir.c_str(), g_app.WorkDir) << "the name's directory becomes WorkDir";
        SaveCurrentColors();
        std::string file = ReadFileBytes(name + ".col");
        std::string expected = std::string("[WindowsSystemColors] VER01.00\r\n") + c.sections;
        EXPECT_EQ(expected, file.substr(0, expected.size())) << "edition " << c.edition;
        EXPECT_TRUE(ShownBoxes().empty());
    }
    ResetSaveState();
}

TEST(SaveState, RefusedNamesLeaveTheStateAsItWas) {
    std::string dir = TestDir(CurrentTestName());
    WriteFileBytes(dir + "there.col", "old");
    std::string longDir = dir + std::string(130, 'd') + "\\";
    struct Case {
        std::string typed;
        std::vector<int> answers;
        std::string box;  // empty: no box
        UINT type;
        bool accepted;
    } cases[] = {
        {"", {}, "", 0, false},
        {dir + "*.col", {}, "Wild Characters are included in file name.", MB_OK | MB_ICONQUESTION, false},
        {dir + "a?", {}, "Wild Characters are included in file name.", MB_OK | MB_ICONQUESTION, false},
        {longDir + "x", {}, "Can't save file: " + longDir + "x", MB_OK | MB_ICONHAND, false},
        {dir + "there", {IDNO}, dir + "there.col is already exit. Shall I replace the file?",
         MB_YESNO | MB_ICONQUESTION, false},
        {dir + "there", {IDYES}, dir + "there.col is already exit. Shall I replace the file?",
         MB_YESNO | MB_ICONQUESTION, true},
    };
    for (const Case &c : cases) {
        UseEdition(2);
        ResetSaveState();
        g_saveState.fileName = SetBlockText(nullptr, "before.col");
        CopyText(g_app.WorkDir, sizeof g_app.WorkDir, "C:\\before\\");
        OpenDialogInProcess d("SAVEASENGLISH", SaveAsDlg);
        ASSERT_TRUE(d.dialog);
        ScriptBoxes(c.answers);
        d.Type(IDC_FILENAME, c.typed);
        d.Press(IDOK);
        const std::vector<ShownBox> &shown = ShownBoxes();
        ASSERT_EQ(c.box.empty() ? 0u : 1u, shown.size()) << c.typed;
        if (!c.box.empty()) {
            EXPECT_EQ(c.box, shown[0].text);
            EXPECT_EQ(c.type, shown[0].type) << c.typed;
            EXPECT_EQ(d.dialog, shown[0].owner) << c.typed;
        }
        EXPECT_EQ(c.accepted ? dir + "there.col" : "before.col", TextOf(g_saveState.fileName)) << c.typed;
        EXPECT_STREQ(c.accepted ? dir.c_str() : "C:\\before\\", g_app.WorkDir) << c.typed;
        EXPECT_EQ(c.typed, d.Field(IDC_FILENAME)) << "the field keeps what was typed";
    }
    ResetSaveState();
}

// Typed patterns in the Add dialog: what each changes, and the ones that
// are refused whole.
TEST(AddDialog, TypedPatternsChangeTheListingFilterAndDefaultExtension) {
    std::string dir = TestDir(CurrentTestName());
    CreateDirectoryA((dir + "sub").c_str(), nullptr);
    std::string longDir(130, 'd');
    UseEdition(2);
    ResetSaveState();
    CopyText(g_app.WorkDir, sizeof g_app.WorkDir, dir.c_str());
    OpenDialogInProcess d("ENGADD", AddDlg);
    ASSERT_TRUE(d.dialog);
    EXPECT_STREQ("*.col", g_app.FileFilter);
    EXPECT_EQ("*.col", d.Field(IDC_FILENAME));
    struct Case {
        std::string typed;
        std::string box;  // empty: taken
        const char *filter;
        const char *defaultExt;
        std::string workDir;
    } cases[] = {
        {"*.txt", "", "*.txt", ".txt", dir},
        {"*.*", "", "*.*", ".txt", dir},
        {"*.c?l", "", "*.c?l", ".txt", dir},
        {"*", "", "*", ".txt", dir},
        {"*.123456", "", "*.123456", ".123456", dir},  // an extension of 7 bytes fits
        {"*.1234567", "The file pattern is too long: *.1234567", "*.123456", ".123456", dir},
        {"abcdefghijkl*.c", "", "abcdefghijkl*.c", ".c", dir},  // 15 bytes fit
        {"abcdefghijklm*.c", "The file pattern is too long: abcdefghijklm*.c", "abcdefghijkl*.c", ".c", dir},
        {longDir + "\\*.col", "The file pattern is too long: " + longDir + "\\*.col", "abcdefghijkl*.c", ".c",
         dir},
        {"nosuch\\*.col", "Can't find file: nosuch\\*.col", "abcdefghijkl*.c", ".c", dir},
        {"sub\\*.col", "", "*.col", ".col", dir + "sub\\"},
        {"..\\*.txt", "", "*.txt", ".txt", dir},
    };
    for (const Case &c : cases) {
        ScriptBoxes();
        d.Type(IDC_FILENAME, c.typed);
        d.Press(IDOK);
        const std::vector<ShownBox> &shown = ShownBoxes();
        ASSERT_EQ(c.box.empty() ? 0u : 1u, shown.size()) << c.typed;
        if (!c.box.empty()) {
            EXPECT_EQ(c.box, shown[0].text);
            EXPECT_EQ((UINT)(MB_OK | MB_ICONHAND), shown[0].type);
            EXPECT_EQ(d.dialog, shown[0].owner);
        }
        EXPECT_STREQ(c.filter, g_app.FileFilter) << c.typed;
        EXPECT_STREQ(c.defaultExt, g_app.DefaultExt) << c.typed;
        EXPECT_TRUE(lstrcmpiA(c.workDir.c_str(), g_app.WorkDir) == 0) << c.typed << " gives " << g_app.WorkDir;
        EXPECT_EQ(c.box.empty() ? c.filter : c.typed, d.Field(IDC_FILENAME)) << c.typed;
        EXPECT_TRUE(IsWindowVisible(d.dialog)) << "a pattern keeps the dialog open";
    }
    ResetAppGlobals();
}

TEST(AddDialog, ChosenNameIsStoredWithTheDefaultExtension) {
    std::string dir = TestDir(CurrentTestName());
    struct Case {
        const char *typed;
        const char *stored;  // null: refused with "NO FILE NAME!!!"
    } cases[] = {{"sunset", "sunset.col"}, {"notes.txt", "notes.txt"}, {"sub.d\\x", "sub.d\\x.col"}, {"", nullptr}};
    for (const Case &c : cases) {
        UseEdition(2);
        ResetSaveState();
        g_saveState.fileName = SetBlockText(nullptr, "before.col");
        CopyText(g_app.WorkDir, sizeof g_app.WorkDir, dir.c_str());
        OpenDialogInProcess d("ENGADD", AddDlg);
        ASSERT_TRUE(d.dialog);
        ScriptBoxes();
        d.Type(IDC_FILENAME, c.typed);
        d.Press(IDOK);
        EXPECT_EQ(c.stored ? c.stored : "before.col", TextOf(g_saveState.fileName)) << c.typed;
        const std::vector<ShownBox> &shown = ShownBoxes();
        if (c.stored) {
            EXPECT_TRUE(shown.empty()) << c.typed;
            EXPECT_FALSE(IsWindowVisible(d.dialog)) << "the dialog has ended";
        } else {
            ASSERT_EQ(1u, shown.size());
            EXPECT_EQ("NO FILE NAME!!!", shown[0].text);
            EXPECT_EQ("", shown[0].caption) << "no caption: the platform's default shows";
            EXPECT_EQ((UINT)(MB_OK | MB_ICONQUESTION), shown[0].type);
            EXPECT_EQ(d.dialog, shown[0].owner);
            EXPECT_TRUE(IsWindowVisible(d.dialog)) << "the dialog stays";
        }
    }
    ResetSaveState();
    ResetAppGlobals();
}

}  // namespace
