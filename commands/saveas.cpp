#include "saveas.h"

#include <string.h>

#include "../colors/colfile.h"
#include "../colors/syscolors.h"
#include "../colors/theme.h"
#include "../colors/wallpaper.h"
#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/savename.h"
#include "../core/theme_text.h"
#include "../platform/files.h"
#include "../messages/msgbox.h"
#include "../core/resource.h"
#include "../state/appstate.h"
#include "savestate.h"

enum { kSelectAllEnd = 0x7FFF };

// Puts a present title into its field; a field the template lacks stays
// absent.
static void ShowTitle(HWND dialog, int fieldId, OptionalText title) {
    const char *text = LockText(title);
    if (text) SetDlgItemTextA(dialog, fieldId, text);
    UnlockText(title);
}

static void OnSaveAsInit(HWND dialog) {
    ShowTitle(dialog, IDC_TITLE_PRIMARY, g_saveState.titlePrimary);
    ShowTitle(dialog, IDC_TITLE_SIBLING, g_saveState.titleSibling);
    ShowTitle(dialog, IDC_TITLE_ENGLISH, g_saveState.titleEnglish);
    const char *fileName = LockText(g_saveState.fileName);
    if (fileName) {
        // A relative name is resolved against WorkDir from here on.
        SetCurrentDir(g_app.WorkDir);
        SetDlgItemTextA(dialog, IDC_FILENAME, fileName);
        SendDlgItemMessageA(dialog, IDC_FILENAME, EM_SETSEL, 0, kSelectAllEnd);
    }
    UnlockText(g_saveState.fileName);
    SetOkState(dialog, g_saveState.fileName ? 0 : 1);
    CheckDlgButton(dialog, IDC_WITH_WALLPAPER, g_saveState.withWallpaper ? BST_CHECKED : BST_UNCHECKED);
    if (!HasWallpaper()) EnableWindow(GetDlgItem(dialog, IDC_WITH_WALLPAPER), FALSE);
    SetFocus(GetDlgItem(dialog, IDC_FILENAME));
}

// Whether the typed name may be saved; on acceptance it may have gained
// the default extension. The field keeps what the user typed.
static bool ValidateSaveName(HWND dialog, OptionalText *name) {
    SaveNameDecision decision = DecideSaveName(LockText(*name), sizeof g_app.WorkDir);
    UnlockText(*name);
    switch (decision) {
    case kSaveNameEmpty:
        return false;
    case kSaveNameWildcard:
        ShowMessage(dialog, kMsgWildcard, nullptr, MB_OK | MB_ICONQUESTION);
        return false;
    case kSaveNameDirTooLong:
        ShowMessage(dialog, kMsgSaveFailed, LockText(*name), MB_OK | MB_ICONHAND);
        UnlockText(*name);
        return false;
    case kSaveNameAddExtension:
        if (!AppendDefaultExtension(name)) return false;
        break;
    case kSaveNameAsTyped:
        break;
    }
    const char *text = LockText(*name);
    bool refused = FileExists(text) && ShowMessage(dialog, kMsgReplace, text, MB_YESNO | MB_ICONQUESTION) != IDYES;
    UnlockText(*name);
    return !refused;
}

static void ReadTitles(HWND dialog) {
    const TitleFields &fields = RunningEdition().saveAsTitles;
    if (fields.primary) g_saveState.titlePrimary = ReadFieldText(dialog, IDC_TITLE_PRIMARY, g_saveState.titlePrimary);
    if (fields.sibling) g_saveState.titleSibling = ReadFieldText(dialog, IDC_TITLE_SIBLING, g_saveState.titleSibling);
    if (fields.english) g_saveState.titleEnglish = ReadFieldText(dialog, IDC_TITLE_ENGLISH, g_saveState.titleEnglish);
}

// A directory that names a place only together with the current directory
// (sub\, ..\, C:sub\), which the next Save As changes to WorkDir.
static bool IsRelativeDir(const char *dir) {
    if (dir[0] == '\\') return false;
    return !(dir[0] && dir[1] == ':' && dir[2] == '\\');
}

// The name's directory becomes WorkDir; a bare name leaves it. A relative
// directory is taken as the full path it names now, where the file is
// about to be saved: made current by the next Save As, it must not be
// applied a second time.
static void TakeWorkDirFrom(OptionalText fileName) {
    const char *name = LockText(fileName);
    char dir[kWorkDirCap];
    size_t dirLength = DirPartLength(name);
    if (dirLength > 0 && CopyBytes(dir, sizeof dir, name, dirLength)) {
        char full[kWorkDirCap];
        if (IsRelativeDir(dir) && GetFullPath(dir, full, sizeof full) && EndsWithChar(full, '\\'))
            CopyText(g_app.WorkDir, sizeof g_app.WorkDir, full);
        else
            CopyText(g_app.WorkDir, sizeof g_app.WorkDir, dir);
    }
    UnlockText(fileName);
}

// A name taken from whatever directory is current: no drive, and no
// backslash before it.
static bool IsCurrentDirRelative(const char *name) { return name[0] != '\\' && !(name[0] && name[1] == ':'); }

// The next Save As makes WorkDir current and proposes the name saved last:
// accepted, it must save the same file again. A name that, taken from
// WorkDir, names another file than the one just saved (a relative
// directory, or a bare name saved into the program's directory while WorkDir
// is the directory the program was started from) is kept as the saved
// file's full path.
static void ProposeTheSavedFile(const char *savedPath) {
    const char *name = LockText(g_saveState.fileName);
    char fromWorkDir[MAX_PATH], resolved[MAX_PATH];
    bool same = IsDriveRootedPath(name) ||
                (IsCurrentDirRelative(name) && CopyText(fromWorkDir, sizeof fromWorkDir, g_app.WorkDir) &&
                 AppendText(fromWorkDir, sizeof fromWorkDir, name) &&
                 GetFullPath(fromWorkDir, resolved, sizeof resolved) && lstrcmpiA(resolved, savedPath) == 0);
    UnlockText(g_saveState.fileName);
    if (!same) g_saveState.fileName = SetBlockText(g_saveState.fileName, savedPath);
}

static INT_PTR OnSaveAsOk(HWND dialog) {
    OptionalText name = ReadFieldText(dialog, IDC_FILENAME, nullptr);
    if (!name) return TRUE;
    if (!ValidateSaveName(dialog, &name)) {
        ReleaseText(name);
        return TRUE;
    }
    ReleaseText(g_saveState.fileName);
    g_saveState.fileName = name;
    ReadTitles(dialog);
    TakeWorkDirFrom(g_saveState.fileName);
    EndDialog(dialog, IDOK);
    return TRUE;
}

static INT_PTR OnSaveAsCommand(HWND dialog, int controlId, int notification) {
    switch (controlId) {
    case IDOK:
        return OnSaveAsOk(dialog);
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDC_WITH_WALLPAPER:
        g_saveState.withWallpaper = !g_saveState.withWallpaper;
        CheckDlgButton(dialog, IDC_WITH_WALLPAPER, g_saveState.withWallpaper ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    case IDC_FILENAME:
        if (notification == EN_CHANGE) FollowNameField(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

LV_EXPORT INT_PTR CALLBACK SaveAsDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnSaveAsInit(dialog);
        return FALSE;
    case WM_COMMAND:
        return OnSaveAsCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    default:
        return FALSE;
    }
}

// A theme carries one name: the English title, or in the Japanese editions
// the first title given; and the whole path of the wallpaper in force.
static void SaveTheme(const ColorSet &colors, const char *path) {
    const char *titles[] = {LockText(g_saveState.titlePrimary), LockText(g_saveState.titleSibling),
                            LockText(g_saveState.titleEnglish)};
    const char *name = "";
    for (int i = RunningEdition().english ? 2 : 0; i < 3 && !name[0]; i++)
        if (titles[i]) name = titles[i];
    char wallpaper[kFullPathCap];
    int32_t tile = 0;
    bool withWallpaper = g_saveState.withWallpaper && ReadCurrentWallpaperPath(wallpaper, sizeof wallpaper, &tile);
    WriteThemeFile(colors, path, name, withWallpaper ? wallpaper : nullptr, tile);
    UnlockText(g_saveState.titlePrimary);
    UnlockText(g_saveState.titleSibling);
    UnlockText(g_saveState.titleEnglish);
}

void SaveCurrentColors() {
    if (!g_saveState.fileName) return;
    ColorSet colors;
    CaptureColors(&colors);
    const char *path = LockText(g_saveState.fileName);
    if (HasThemeExtension(path)) {
        SaveTheme(colors, path);
        UnlockText(g_saveState.fileName);
        return;
    }
    char wallpaper[kFullPathCap];
    int32_t tile = 0;
    bool withWallpaper = g_saveState.withWallpaper && ReadCurrentWallpaper(wallpaper, sizeof wallpaper, &tile);
    WriteColorSetFile(colors, path, LockText(g_saveState.titlePrimary), LockText(g_saveState.titleSibling),
                      LockText(g_saveState.titleEnglish), withWallpaper ? wallpaper : nullptr,
                      withWallpaper ? tile : 0);
    UnlockText(g_saveState.fileName);
    UnlockText(g_saveState.titlePrimary);
    UnlockText(g_saveState.titleSibling);
    UnlockText(g_saveState.titleEnglish);
}

static void RunSaveAs(HWND owner) {
    if (DialogBoxParamA(ResourceModule(), RunningEdition().saveAsTemplate, owner, SaveAsDlg, 0) != IDOK) return;
    // Where the name lands: against the current directory, as the save
    // resolves it.
    char savedPath[MAX_PATH];
    bool placed = GetFullPath(LockText(g_saveState.fileName), savedPath, sizeof savedPath);
    UnlockText(g_saveState.fileName);
    SaveCurrentColors();
    if (placed) ProposeTheSavedFile(savedPath);
}

void SaveAsCommand(const CommandArgs &args) { RunSaveAs(args.owner); }

// What the first-run save proposes.
static const char kOwnersFileName[] = "owners.col";
static const char kOwnersTitleEnglish[] = "Owners Default Color";
static const char kOwnersTitleJapanese[] = "オーナー・デフォルト";

void FirstRunSave(HWND owner) {
    g_saveState.fileName = SetBlockText(g_saveState.fileName, kOwnersFileName);
    const TitleFields &fields = RunningEdition().saveAsTitles;
    if (fields.primary) g_saveState.titlePrimary = SetBlockText(g_saveState.titlePrimary, kOwnersTitleJapanese);
    if (fields.sibling) g_saveState.titleSibling = SetBlockText(g_saveState.titleSibling, kOwnersTitleJapanese);
    g_saveState.titleEnglish = SetBlockText(g_saveState.titleEnglish, kOwnersTitleEnglish);
    RunSaveAs(owner);
}
