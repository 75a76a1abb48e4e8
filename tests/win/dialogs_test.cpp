// The Save As and Add dialogs run in-process from the program's templates: the names and patterns each takes or
// refuses, and what they leave.
#include "../../commands/add.h"
#include "../../commands/saveas.h"
#include "../../commands/savestate.h"
#include "../../core/mbtext.h"
#include "../../core/resource.h"
#include "script.h"

// The English template opened from a last name (Save As) and WorkDir, the name typed, then OK; what is left: the name
// stored, WorkDir, the default extension and, if it stays open, the field. "$" stands for dir.
static void Expect(const char *name, DLGPROC procedure, const std::string &dir, const std::string &typed,
                   std::string after, const std::vector<std::string> &boxes, int answer = IDOK) {
    UseEdition(kEditionEnglish);
    ResetSaveState();
    if (procedure == SaveAsDlg) g_saveState.fileName.Set("last.col");
    CopyText(g_addState.WorkDir, sizeof g_addState.WorkDir, procedure == SaveAsDlg ? "C:\\" : dir.c_str());
    ScriptBoxes({answer});
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, procedure, 0);
    SetDlgItemTextA(dialog, IDC_FILENAME, typed.c_str());
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    std::string left = (g_saveState.fileName.present ? g_saveState.fileName.text : "-") + std::string(" ") +
                       g_addState.WorkDir + " " + g_addState.DefaultExt;
    if (IsWindowVisible(dialog)) left += " open with " + TextOf(GetDlgItem(dialog, IDC_FILENAME));
    if (IsWindowVisible(dialog) && !IsWindowEnabled(GetDlgItem(dialog, IDOK))) left += ", OK off";
    DestroyWindow(dialog);
    SetCurrentDirectoryA("C:\\");
    for (size_t at; (at = after.find('$')) != after.npos;) after.replace(at, 1, dir);
    EXPECT_EQ(0, lstrcmpiA(after.c_str(), left.c_str())) << after << "\n" << left;
    EXPECT_EQ(boxes, ShownTexts()) << typed;
}

TEST(SaveAs, NamesTakenAndRefused) {
    std::string dir = FreshDir(), deep = dir + std::string(130, 'd') + "\\x";
    std::string wild = "Wild Characters are included in file name.";
    std::string replace = dir + "there.col is already exit. Shall I replace the file?";
    WriteBytes(dir + "there.col", "old");
    auto saveAs = [&](const std::string &typed, const std::string &after, const std::vector<std::string> &boxes,
                      int answer = IDOK) {
        Expect(LV_RESOURCE(LVRES_SAVEAS_ENGLISH), SaveAsDlg, dir, typed, after, boxes, answer);
    };
    saveAs("", "last.col C:\\ .col open with , OK off", {});
    saveAs(dir + "a?", "last.col C:\\ .col open with $a?", {wild});
    saveAs(deep, "last.col C:\\ .col open with " + deep, {"Can't save file: " + deep});  // never cut
    saveAs(dir + "there", "last.col C:\\ .col open with $there", {replace}, IDNO);
    saveAs(dir + "there", "$there.col $ .col", {replace}, IDYES);
}

TEST(Add, PatternsAndNames) {
    std::string dir = FreshDir();
    CreateDirectoryA((dir + "sub").c_str(), nullptr);
    auto add = [&](const std::string &typed, const std::string &after, const std::vector<std::string> &boxes) {
        Expect(LV_RESOURCE(LVRES_ADD_ENGLISH), AddDlg, dir, typed, after, boxes);
    };
    add("*.txt", "- $ .txt open with *.txt", {});
    add("*.1234567", "- $ .col open with *.1234567", {"The file pattern is too long: *.1234567"});  // 7 bytes fit
    add("nosuch\\*.col", "- $ .col open with nosuch\\*.col", {"Can't find file: nosuch\\*.col"});
    add("sunset", "sunset.col $ .col", {});
    add("", "- $ .col open with , OK off", {"NO FILE NAME!!!"});
    EXPECT_EQ("", g_shown[0].caption) << "NO FILE NAME!!! has no caption: the platform's default shows";
}
