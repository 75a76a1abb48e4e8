#include "add.h"

#include <string.h>

#include "../colors/colfile.h"
#include "../colors/theme.h"
#include "../core/capacity.h"
#include "../core/colfile_text.h"
#include "../core/mbtext.h"
#include "../core/savename.h"
#include "../core/theme_text.h"
#include "../platform/files.h"
#include "../messages/msgbox.h"
#include "../core/resource.h"
#include "../state/appstate.h"
#include "savestate.h"

enum {
    kSelectAllEnd = 0x7FFF,
    // A list item of the chooser: a directory name of up to 255 characters
    // (two bytes each in a double-byte code page) in brackets.
    kListItemCap = 2 * kFullPathCap + 8,
};

static void SelectNameField(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_FILENAME, EM_SETSEL, 0, kSelectAllEnd);
    SetFocus(GetDlgItem(dialog, IDC_FILENAME));
}

// After a listing the directory shown is the current one: WorkDir names it
// absolutely, so that a later pattern without directory lists it again
// rather than applying a relative directory a second time. A directory
// too long for WorkDir is named as the current one.
static void TakeListedDirectory() {
    if (!InitWorkDir()) CopyText(g_app.WorkDir, sizeof g_app.WorkDir, ".\\");
}

// Lists WorkDir's entries that match FileFilter, with its subdirectories
// and the drives, shows the directory, and puts the filter into the name
// field. False, with the list as it was, when the directory cannot be
// listed.
static bool RefreshAddList(HWND dialog) {
    char path[kWorkDirCap + kFileFilterCap];
    if (!CopyText(path, sizeof path, g_app.WorkDir) || !AppendText(path, sizeof path, g_app.FileFilter)) return false;
    // The listing makes the path's directory current and rewrites path.
    if (!DlgDirListA(dialog, path, IDC_ADD_LIST, IDC_ADD_DIRTEXT, DDL_DIRECTORY | DDL_DRIVES)) return false;
    TakeListedDirectory();
    SetDlgItemTextA(dialog, IDC_FILENAME, g_app.FileFilter);
    return true;
}

static void OnAddInit(HWND dialog) {
    char filter[kFileFilterCap] = "*";
    if (AppendText(filter, sizeof filter, g_app.DefaultExt)) CopyText(g_app.FileFilter, sizeof g_app.FileFilter, filter);
    if (!RefreshAddList(dialog)) {
        // WorkDir named a directory that is gone: show the current one.
        InitWorkDir();
        RefreshAddList(dialog);
    }
    SetOkState(dialog, g_app.FileFilter[0] == '\0' ? 1 : 0);
    SelectNameField(dialog);
}

// A typed wildcard pattern: its directory is listed with its file part as
// the filter, whose extension may become the default extension. A pattern
// that does not fit, or names no directory that can be listed, changes
// nothing and is reported.
static void ApplyTypedPattern(HWND dialog, const char *text) {
    char dir[kWorkDirCap];
    char filter[kFileFilterCap];
    if (SplitTypedPattern(text, dir, sizeof dir, filter, sizeof filter, sizeof g_app.DefaultExt) != kPatternSplit) {
        ShowMessage(dialog, kMsgPatternTooLong, text, MB_OK | MB_ICONHAND);
        return;
    }
    AppGlobals before = g_app;
    CopyText(g_app.FileFilter, sizeof g_app.FileFilter, filter);
    if (dir[0]) CopyText(g_app.WorkDir, sizeof g_app.WorkDir, dir);
    AdoptFilterExtension(g_app.FileFilter, g_app.DefaultExt, sizeof g_app.DefaultExt);
    if (!RefreshAddList(dialog)) {
        CopyText(g_app.WorkDir, sizeof g_app.WorkDir, before.WorkDir);
        CopyText(g_app.FileFilter, sizeof g_app.FileFilter, before.FileFilter);
        CopyText(g_app.DefaultExt, sizeof g_app.DefaultExt, before.DefaultExt);
        ShowMessage(dialog, kMsgSourceMissing, text, MB_OK | MB_ICONHAND);
    }
    // The focus stays where the user had it (in the list, after a double
    // click on a directory), so that the keyboard can go on choosing.
}

// The chosen name, with the default extension when it has none, becomes
// SaveState's file name, to be resolved against the directory shown.
static void ChooseFile(HWND dialog, OptionalText name) {
    bool named = HasExtension(LockText(name)) || AppendDefaultExtension(&name);
    UnlockText(name);
    ReleaseText(g_saveState.fileName);
    g_saveState.fileName = nullptr;
    if (named) g_saveState.fileName = name;
    else ReleaseText(name);
    InitWorkDir();
    EndDialog(dialog, IDOK);
}

static INT_PTR OnAddOk(HWND dialog) {
    OptionalText typed = ReadFieldText(dialog, IDC_FILENAME, nullptr);
    if (!typed) return TRUE;
    const char *text = LockText(typed);
    if (HasWildcard(text)) {
        ApplyTypedPattern(dialog, text);
    } else if (text[0] == '\0') {
        ShowMessage(dialog, kMsgNoFileName, nullptr, MB_OK | MB_ICONQUESTION);
    } else {
        UnlockText(typed);
        ChooseFile(dialog, typed);
        return TRUE;
    }
    UnlockText(typed);
    ReleaseText(typed);
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
        SendDlgItemMessageA(dialog, IDC_FILENAME, EM_SETSEL, 0, kSelectAllEnd);
        return;
    }
    char pattern[kListItemCap + kFileFilterCap];
    if (DirectoryPattern(item, g_app.FileFilter, pattern, sizeof pattern)) SetDlgItemTextA(dialog, IDC_FILENAME, pattern);
}

static INT_PTR OnAddCommand(HWND dialog, int controlId, int notification) {
    switch (controlId) {
    case IDOK:
        return OnAddOk(dialog);
    case IDCANCEL:
        InitWorkDir();
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDC_FILENAME:
        if (notification == EN_CHANGE) FollowNameField(dialog);
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
    switch (message) {
    case WM_INITDIALOG:
        OnAddInit(dialog);
        return FALSE;
    case WM_COMMAND:
        return OnAddCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    default:
        return FALSE;
    }
}

int ImportFile(const char *destination, const char *source) {
    if (!FileExists(source)) {
        ShowMessage(nullptr, kMsgSourceMissing, source, MB_OK | MB_ICONHAND);
        return 0;
    }
    if (FileExists(destination) &&
        ShowMessage(g_app.MainWindow, kMsgReplace, destination, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    // The copy goes to a temporary file beside the destination and replaces
    // it in one rename: on any failure the destination is as it was and the
    // temporary file is gone.
    char tempName[kFullPathCap];
    ImportStep step;
    {
        WaitCursor wait;
        step = CopyFileReplacing(source, destination, tempName, sizeof tempName);
    }
    switch (step) {
    case kImportDone:
        return 1;
    case kImportNoTemp:
    case kImportCopyFailed:
        ShowMessage(nullptr, kMsgCopyFailed, source, MB_OK | MB_ICONHAND);
        return 0;
    case kImportRenameFailed: {
        ShowMessage(nullptr, kMsgRenameFailed, tempName, MB_OK, destination);
        return 0;
    }
    }
    return 0;
}

// A theme comes in as a complete color-set file named after it, beside the
// program: its name as every title, its colors over the desktop's current
// ones, and its wallpaper when that file is there. False when source is no
// theme (or cannot be read: the copy then tells). destination names the
// color-set file, or is empty when that does not fit.
static bool ImportTheme(const char *source, const char *programDir, char *destination, size_t cap) {
    FileText file;
    if (!LoadThemeText(source, &file)) return false;
    char base[kFullPathCap], title[kPathCap], wallpaper[kFullPathCap];
    int32_t tile = 0;
    ColorSet colors;
    if (!FileBaseName(source, base, sizeof base) || !CopyText(destination, cap, programDir) ||
        !AppendText(destination, cap, base) || !AppendText(destination, cap, ".col")) {
        destination[0] = '\0';
        ShowMessage(nullptr, kMsgCopyFailed, source, MB_OK | MB_ICONHAND);
    } else if (ThemeColors(file.text, source, &colors) &&
               (!FileExists(destination) ||
                ShowMessage(g_app.MainWindow, kMsgReplace, destination, MB_YESNO | MB_ICONQUESTION) == IDYES)) {
        ThemeTitle(file.text, source, title, sizeof title);
        bool paper = ThemeWallpaper(file.text, wallpaper, sizeof wallpaper, &tile) &&
                     strlen(wallpaper) <= kMaxWallpaperNameBytes;
        WriteColorSetFile(colors, destination, title, title, title, paper ? wallpaper : nullptr, tile);
    }
    return true;
}

void AddColorSetCommand(const CommandArgs &args) {
    if (DialogBoxParamA(ResourceModule(), RunningEdition().addTemplate, args.owner, AddDlg, 0) != IDOK) return;
    char source[kFullPathCap];
    bool chosen = g_saveState.fileName && CopyText(source, sizeof source, LockText(g_saveState.fileName));
    UnlockText(g_saveState.fileName);
    if (!chosen) return;
    char programDir[kPathCap];
    char destination[kFullPathCap] = "";
    if (!GetProgramDir(programDir, kModulePathLimit)) {
        ShowMessage(nullptr, kMsgCopyFailed, source, MB_OK | MB_ICONHAND);
    } else if (!ImportTheme(source, programDir, destination, sizeof destination)) {
        if (ImportDestination(programDir, source, destination, sizeof destination)) ImportFile(destination, source);
        else ShowMessage(nullptr, kMsgCopyFailed, source, MB_OK | MB_ICONHAND);
    }
    // From now on Save As proposes the copy beside the program: accepted, it
    // replaces that copy, never the file it came from.
    ReleaseText(g_saveState.fileName);
    g_saveState.fileName = destination[0] ? SetBlockText(nullptr, destination) : nullptr;
}
