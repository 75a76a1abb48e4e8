#include "saveas.h"

#include "../colors/setfile.h"
#include "../colors/syscolors.h"
#include "../colors/textfile.h"
#include "../colors/wallpaper.h"
#include "../controls/namedialog.h"
#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/resource.h"
#include "../core/savename.h"
#include "../core/setfile_text.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../state/appstate.h"
#include "savestate.h"

// Puts a present title into its field; a field the template lacks stays
// absent.
static void ShowTitle(HWND dialog, int fieldId, const SavedText &title) {
    if (title.present) SetDlgItemTextA(dialog, fieldId, title.text);
}

static bool HasWallpaper() {
    char name[kFullPathCap];
    int32_t tile = 0;
    return ReadCurrentWallpaper(name, sizeof name, &tile);
}

static void OnSaveAsInit(HWND dialog) {
    ShowTitle(dialog, IDC_TITLE_PRIMARY, g_saveState.titlePrimary);
    ShowTitle(dialog, IDC_TITLE_SIBLING, g_saveState.titleSibling);
    ShowTitle(dialog, IDC_TITLE_ENGLISH, g_saveState.titleEnglish);
    if (g_saveState.fileName.present) {
        // A relative name is resolved against WorkDir from here on.
        SetCurrentDir(g_addState.WorkDir);
        SetDlgItemTextA(dialog, IDC_FILENAME, g_saveState.fileName.text);
        SelectNameField(dialog);
    }
    EnableOk(dialog, g_saveState.fileName.present);
    CheckDlgButton(dialog, IDC_WITH_WALLPAPER, g_saveState.withWallpaper ? BST_CHECKED : BST_UNCHECKED);
    if (!HasWallpaper()) EnableWindow(GetDlgItem(dialog, IDC_WITH_WALLPAPER), FALSE);
    SetFocus(GetDlgItem(dialog, IDC_FILENAME));
}

// Whether the typed name may be saved; on acceptance it may have gained
// the default extension. The field keeps what the user typed. A name that
// does not fit whole is refused: cut, it would name another file.
static bool ValidateSaveName(HWND dialog, char *name, size_t cap, bool whole) {
    SaveNameDecision decision = DecideSaveName(name, sizeof g_addState.WorkDir);
    if (!whole || (decision == kSaveNameAddExtension && !AppendText(name, cap, g_addState.DefaultExt)))
        decision = kSaveNameTooLong;
    switch (decision) {
    case kSaveNameEmpty:
        return false;
    case kSaveNameWildcard:
        ShowMessage(dialog, kMsgWildcard, nullptr);
        return false;
    case kSaveNameTooLong:
        ShowMessage(dialog, kMsgSaveFailed, name);
        return false;
    case kSaveNameAddExtension:
    case kSaveNameAsTyped:
        break;
    }
    return !FileExists(name) || ShowMessage(dialog, kMsgReplace, name) == IDYES;
}

// The edition's title fields, each present from now on, empty or not.
static void ReadTitles(HWND dialog) {
    const TitleFields &fields = RunningEdition().saveAsTitles;
    const struct {
        bool shown;
        int fieldId;
        SavedText *title;
    } titles[] = {{fields.primary, IDC_TITLE_PRIMARY, &g_saveState.titlePrimary},
                  {fields.sibling, IDC_TITLE_SIBLING, &g_saveState.titleSibling},
                  {fields.english, IDC_TITLE_ENGLISH, &g_saveState.titleEnglish}};
    for (const auto &t : titles) {
        if (!t.shown) continue;
        ReadField(dialog, t.fieldId, t.title->text, sizeof t.title->text);  // a title line holds less anyway
        t.title->present = true;
    }
}

// A directory that names a place only together with the current directory
// (sub\, ..\, C:sub\), which the next Save As changes to WorkDir.
static bool IsRelativeDir(const char *dir) { return dir[0] != '\\' && !IsDriveRootedPath(dir); }

// The name's directory becomes WorkDir; a bare name leaves it. A relative
// directory is taken as the full path it names now, where the file is
// about to be saved: made current by the next Save As, it must not be
// applied a second time.
static void TakeWorkDirFrom(const char *name) {
    char dir[kWorkDirCap], full[kWorkDirCap];
    size_t dirLength = DirPartLength(name);
    if (dirLength == 0 || !CopyBytes(dir, sizeof dir, name, dirLength)) return;
    if (IsRelativeDir(dir) && GetFullPath(dir, full, sizeof full) && EndsWithChar(full, '\\'))
        CopyText(g_addState.WorkDir, sizeof g_addState.WorkDir, full);
    else
        CopyText(g_addState.WorkDir, sizeof g_addState.WorkDir, dir);
}

static INT_PTR OnSaveAsOk(HWND dialog) {
    char name[kFieldTextCap];
    bool whole = ReadField(dialog, IDC_FILENAME, name, sizeof name);
    if (!ValidateSaveName(dialog, name, sizeof name, whole)) return TRUE;
    g_saveState.fileName.Set(name);
    ReadTitles(dialog);
    TakeWorkDirFrom(name);
    EndDialog(dialog, IDOK);
    return TRUE;
}

static INT_PTR OnSaveAsCommand(HWND dialog, int controlId, int) {
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
    default:
        return FALSE;
    }
}

LV_EXPORT INT_PTR CALLBACK SaveAsDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return DialogProcedure(dialog, message, wParam, OnSaveAsInit, OnSaveAsCommand);
}

bool SaveColors(const WholeColorSet &colors) {
    if (!g_saveState.fileName.present) return false;
    const SetFileTitles titles = {g_saveState.titlePrimary.Get(), g_saveState.titleSibling.Get(),
                                  g_saveState.titleEnglish.Get()};
    return WriteSetFile(g_saveState.fileName.text, colors, titles, g_saveState.withWallpaper);
}

bool SaveColors(const ColorSet &colors) { return SaveColors(WholeOf(colors)); }

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
    const char *name = g_saveState.fileName.text;
    char fromWorkDir[MAX_PATH], resolved[MAX_PATH];
    bool same = IsDriveRootedPath(name) ||
                (IsCurrentDirRelative(name) && CopyText(fromWorkDir, sizeof fromWorkDir, g_addState.WorkDir) &&
                 AppendText(fromWorkDir, sizeof fromWorkDir, name) &&
                 GetFullPath(fromWorkDir, resolved, sizeof resolved) && lstrcmpiA(resolved, savedPath) == 0);
    if (!same) g_saveState.fileName.Set(savedPath);
}

void ProposeSaveName(const char *name, const char *fullPath) {
    g_saveState.fileName.Set(name);
    ProposeTheSavedFile(fullPath);
}

SaveAsOutcome SaveColorsAs(HWND owner, const WholeColorSet *colors, char *savedPath, size_t cap,
                           const std::string *theme) {
    if (cap) savedPath[0] = '\0';
    if (DialogBoxParamA(ResourceModule(), RunningEdition().saveAsTemplate, owner, SaveAsDlg, 0) != IDOK)
        return kSaveAsCancelled;
    // Where the name lands: against the current directory, as the save
    // resolves it.
    char full[MAX_PATH];
    bool placed = GetFullPath(g_saveState.fileName.text, full, sizeof full);
    const char *name = g_saveState.fileName.text;
    bool written = theme && SetFileFormForName(name) == kSetFileTheme
                       ? WriteComposedText(name, kComposed, *theme)
                       : SaveColors(colors ? *colors : DesktopWholeColors());
    if (placed) ProposeTheSavedFile(full);
    return written && placed && CopyText(savedPath, cap, full) ? kSaveAsSaved : kSaveAsFailed;
}

void SaveAsCommand(const CommandArgs &args) { SaveColorsAs(args.owner, nullptr, nullptr, 0); }

// What the first-run save proposes.
static const char kOwnersFileName[] = "owners.col";
static const char kOwnersTitleEnglish[] = "Owners Default Color";
static const char kOwnersTitleJapanese[] = "オーナー・デフォルト";

void FirstRunSave(HWND owner) {
    g_saveState.fileName.Set(kOwnersFileName);
    const TitleFields &fields = RunningEdition().saveAsTitles;
    if (fields.primary) g_saveState.titlePrimary.Set(kOwnersTitleJapanese);
    if (fields.sibling) g_saveState.titleSibling.Set(kOwnersTitleJapanese);
    g_saveState.titleEnglish.Set(kOwnersTitleEnglish);
    SaveColorsAs(owner, nullptr, nullptr, 0);
}
