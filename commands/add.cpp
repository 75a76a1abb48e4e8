#include "add.h"

#include "../controls/namedialog.h"
#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/resource.h"
#include "../core/savename.h"
#include "../messages/msgbox.h"
#include "../state/appstate.h"
#include "import.h"
#include "savestate.h"

// A list item of the chooser: a directory name of up to 255 characters (two
// bytes each in a double-byte code page) in brackets.
constexpr size_t kListItemCap = 2 * kFullPathCap + 8;

// After a listing the directory shown is the current one: WorkDir names it
// absolutely, so that a later pattern without directory lists it again
// rather than applying a relative directory a second time. A directory
// too long for WorkDir is named as the current one.
static void TakeListedDirectory() {
    if (!InitWorkDir()) CopyText(g_addState.WorkDir, sizeof g_addState.WorkDir, ".\\");
}

// Lists WorkDir's entries that match FileFilter, with its subdirectories
// and the drives, shows the directory, and puts the filter into the name
// field. False, with the list as it was, when the directory cannot be
// listed.
static bool RefreshAddList(HWND dialog) {
    char path[kWorkDirCap + kFileFilterCap];
    if (!CopyText(path, sizeof path, g_addState.WorkDir) || !AppendText(path, sizeof path, g_addState.FileFilter))
        return false;
    // The listing makes the path's directory current and rewrites path.
    if (!DlgDirListA(dialog, path, IDC_ADD_LIST, IDC_ADD_DIRTEXT, DDL_DIRECTORY | DDL_DRIVES)) return false;
    TakeListedDirectory();
    SetDlgItemTextA(dialog, IDC_FILENAME, g_addState.FileFilter);
    return true;
}

static void OnAddInit(HWND dialog) {
    char filter[kFileFilterCap] = "*";
    if (AppendText(filter, sizeof filter, g_addState.DefaultExt))
        CopyText(g_addState.FileFilter, sizeof g_addState.FileFilter, filter);
    if (!RefreshAddList(dialog)) {
        // WorkDir named a directory that is gone: show the current one.
        InitWorkDir();
        RefreshAddList(dialog);
    }
    EnableOk(dialog, g_addState.FileFilter[0] != '\0');
    SelectNameField(dialog);
    SetFocus(GetDlgItem(dialog, IDC_FILENAME));
}

// A typed wildcard pattern: its directory is listed with its file part as
// the filter, whose extension may become the default extension. A pattern
// that does not fit, or names no directory that can be listed, changes
// nothing and is reported.
static void ApplyTypedPattern(HWND dialog, const char *text) {
    char dir[kWorkDirCap];
    char filter[kFileFilterCap];
    const size_t extCap = sizeof g_addState.DefaultExt;
    if (SplitTypedPattern(text, dir, sizeof dir, filter, sizeof filter, extCap) != kPatternSplit) {
        ShowMessage(dialog, kMsgPatternTooLong, text);
        return;
    }
    AddStateRecord before = g_addState;
    CopyText(g_addState.FileFilter, sizeof g_addState.FileFilter, filter);
    if (dir[0]) CopyText(g_addState.WorkDir, sizeof g_addState.WorkDir, dir);
    AdoptFilterExtension(g_addState.FileFilter, g_addState.DefaultExt, sizeof g_addState.DefaultExt);
    if (!RefreshAddList(dialog)) {
        g_addState = before;
        ShowMessage(dialog, kMsgSourceMissing, text);
    }
    // The focus stays where the user had it (in the list, after a double
    // click on a directory), so that the keyboard can go on choosing.
}

// The chosen name, with the default extension when it has none, becomes
// SaveState's file name, to be resolved against the directory shown. A name
// that cannot take its extension is not chosen.
static void ChooseFile(HWND dialog, char *name, size_t cap) {
    if (HasExtension(name) || AppendText(name, cap, g_addState.DefaultExt)) g_saveState.fileName.Set(name);
    else g_saveState.fileName.Clear();
    InitWorkDir();
    EndDialog(dialog, IDOK);
}

static INT_PTR OnAddOk(HWND dialog) {
    char typed[kFieldTextCap];
    ReadField(dialog, IDC_FILENAME, typed, sizeof typed);
    if (HasWildcard(typed)) ApplyTypedPattern(dialog, typed);
    else if (typed[0] == '\0') ShowMessage(dialog, kMsgNoFileName, nullptr);
    else ChooseFile(dialog, typed, sizeof typed);
    return TRUE;
}

// A directory or drive chosen in the list puts its pattern into the name
// field; a file puts its name.
static void OnListSelection(HWND dialog) {
    char item[kListItemCap];
    item[0] = '\0';
    BOOL isDirectory = DlgDirSelectExA(dialog, item, sizeof item, IDC_ADD_LIST);
    if (item[0] == '\0') return;
    if (!isDirectory) {
        SetDlgItemTextA(dialog, IDC_FILENAME, item);
        SelectNameField(dialog);
        return;
    }
    char pattern[kListItemCap + kFileFilterCap];
    if (DirectoryPattern(item, g_addState.FileFilter, pattern, sizeof pattern))
        SetDlgItemTextA(dialog, IDC_FILENAME, pattern);
}

static INT_PTR OnAddCommand(HWND dialog, int controlId, int notification) {
    switch (controlId) {
    case IDOK:
        return OnAddOk(dialog);
    case IDCANCEL:
        InitWorkDir();
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDC_ADD_LIST:
        if (notification == LBN_SELCHANGE) OnListSelection(dialog);
        else if (notification == LBN_DBLCLK) return OnAddOk(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

LV_EXPORT INT_PTR CALLBACK AddDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return DialogProcedure(dialog, message, wParam, OnAddInit, OnAddCommand);
}

void AddColorSetCommand(const CommandArgs &args) {
    if (DialogBoxParamA(ResourceModule(), RunningEdition().addTemplate, args.owner, AddDlg, 0) != IDOK) return;
    if (!g_saveState.fileName.present) return;
    char source[kFieldTextCap], destination[kFullPathCap];
    CopyText(source, sizeof source, g_saveState.fileName.text);
    ImportIntoProgramDir(source, destination, sizeof destination);
    // From now on Save As proposes the copy beside the program: accepted, it
    // replaces that copy, never the file it came from.
    if (destination[0]) g_saveState.fileName.Set(destination);
    else g_saveState.fileName.Clear();
}
