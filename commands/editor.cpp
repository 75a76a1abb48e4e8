#include "editor.h"

#include <commdlg.h>
#include <stdio.h>

#include <string.h>

#include <string>

#include "../colors/entrycolors.h"
#include "../colors/syscolors.h"
#include "../controls/scene.h"
#include "../core/colfile_text.h"
#include "../core/contrast.h"
#include "../core/mbtext.h"
#include "../core/resource.h"
#include "../core/savename.h"
#include "../core/scene.h"
#include "../messages/msgbox.h"
#include "../platform/gdi.h"
#include "../platform/listbox.h"
#include "../state/applied.h"
#include "../state/appstate.h"
#include "saveas.h"
#include "savestate.h"

namespace {

struct Editor {
    CommandArgs args;
    EntryColors entry;  // as read, or as saved last
    WholeColorSet edited;
    WholeColorSet desktop;      // the desktop's colors as the editor opened: kept ones show them, Cancel restores them
    WholeColorSet lastApplied;  // what Apply put on the desktop last
    bool applied;
    bool saved;            // nothing edited since the last save: the caption says so
    size_t appliesBefore;  // the applies of the run before the editor's own, which Cancel forgets
    char caption[kRunEntryLimit];  // the dialog's own caption
    HBRUSH swatch;
};

COLORREF g_customColors[16] = {};  // the chooser's custom colors, kept for the run

Editor *EditorOf(HWND dialog) { return (Editor *)GetWindowLongPtrA(dialog, DWLP_USER); }

bool SameColors(const WholeColorSet &a, const WholeColorSet &b) {
    return memcmp(a.value, b.value, sizeof a.value) == 0;
}

// An element the entry's kind of file holds: the others are shown, never edited.
bool IsHeld(const Editor &editor, int element) { return ElementHeldBy(element, editor.entry.holds); }

// Something differs from the entry as read or saved last.
bool IsModified(const Editor &editor) { return !SameColors(editor.edited, editor.entry.colors); }

// The colors the editor shows: each element's own, or the desktop's when it
// is kept.
WholeColorSet ShownColors(const Editor &editor) {
    WholeColorSet shown = editor.edited;
    for (int i = 0; i < kSystemColorCount; i++)
        if (shown.value[i] == kKeepColor) shown.value[i] = editor.desktop.value[i];
    return shown;
}

int ChosenInList(HWND dialog) {
    int chosen = (int)SendDlgItemMessageA(dialog, IDC_EDIT_ELEMENTS, LB_GETCURSEL, 0, 0);
    return chosen >= 0 && chosen < kSystemColorCount ? chosen : 0;
}

// Its value, and a note when the entry leaves it to the desktop or cannot
// hold it at all (its Color... is then off).
void ShowChosenElement(HWND dialog, Editor *editor, int chosen, const WholeColorSet &shown) {
    uint32_t color = (uint32_t)shown.value[chosen];
    char value[48], kept[kRunEntryLimit] = "";
    snprintf(value, sizeof value, "R %u  G %u  B %u", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    bool held = IsHeld(*editor, chosen);
    if (!held) LoadEditionString(IDS_EDIT_NOT_HELD, kept, sizeof kept);
    else if (editor->edited.value[chosen] == kKeepColor) LoadEditionString(IDS_EDIT_KEPT, kept, sizeof kept);
    EnableWindow(GetDlgItem(dialog, IDC_EDIT_COLOR), held);
    SetDlgItemTextA(dialog, IDC_EDIT_VALUE, value);
    SetDlgItemTextA(dialog, IDC_EDIT_KEPT, kept);
    if (editor->swatch) DeleteObject(editor->swatch);
    editor->swatch = CreateSolidBrush((COLORREF)color);
    InvalidateRect(GetDlgItem(dialog, IDC_EDIT_SWATCH), nullptr, TRUE);
}

// Each text on its background: the ratio, marked when under 4.5:1.
void ShowContrast(HWND dialog, const WholeColorSet &shown) {
    std::string lines;
    char hardToRead[kRunEntryLimit];
    LoadEditionString(IDS_EDIT_HARD_TO_READ, hardToRead, sizeof hardToRead);
    for (const TextOnBackground &pair : kTextPairs) {
        char text[kRunEntryLimit], line[2 * kRunEntryLimit];
        LoadEditionString(ElementNameStringId(pair.text), text, sizeof text);
        double ratio = ContrastRatio(shown.value[pair.text], shown.value[pair.background]);
        snprintf(line, sizeof line, "%s  %.2f:1  %s\r\n", text, ratio, ratio < kReadableContrast ? hardToRead : "");
        lines += line;
    }
    SetDlgItemTextA(dialog, IDC_EDIT_CONTRAST, lines.c_str());
}

// The caption names what is edited, marked "*" while it differs from the
// file, or as saved after a save; Save is offered only while something
// differs.
void ShowSaveState(HWND dialog, const Editor &editor) {
    bool modified = IsModified(editor);
    char caption[kMessageCap], saved[kRunEntryLimit] = "";
    if (!modified && editor.saved) LoadEditionString(IDS_EDIT_SAVED, saved, sizeof saved);
    const char *mark = modified ? " *" : saved[0] ? " " : "";
    snprintf(caption, sizeof caption, "%s: %s%s%s", editor.caption, editor.entry.name, mark, saved);
    SetWindowTextA(dialog, caption);
    HWND save = GetDlgItem(dialog, IDC_EDIT_SAVE);
    if (!modified && GetFocus() == save) SetFocus(GetDlgItem(dialog, IDC_EDIT_SCENE));
    EnableWindow(save, modified);
}

// The scene, the list, the element's value and the save state, all in step.
void ShowEdited(HWND dialog, int chosen) {
    Editor *editor = EditorOf(dialog);
    const WholeColorSet shown = ShownColors(*editor);
    SendDlgItemMessageA(dialog, IDC_EDIT_ELEMENTS, LB_SETCURSEL, chosen, 0);
    ShowScene(GetDlgItem(dialog, IDC_EDIT_SCENE), shown, chosen);
    ShowChosenElement(dialog, editor, chosen, shown);
    ShowContrast(dialog, shown);
    ShowSaveState(dialog, *editor);
}

// The elements by name; the list scrolls sideways to the longest.
void FillElementList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_EDIT_ELEMENTS);
    WindowDC dc(list);
    Selection font(dc.Get(), (HFONT)SendMessageA(list, WM_GETFONT, 0, 0));
    int widest = 0;
    for (int i = 0; i < kSystemColorCount; i++) {
        char name[kRunEntryLimit];
        LoadEditionString(ElementNameStringId(i), name, sizeof name);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)name);
        SIZE size = {};
        if (GetTextExtentPoint32A(dc.Get(), name, (int)strlen(name), &size) && size.cx > widest) widest = size.cx;
    }
    SendMessageA(list, LB_SETHORIZONTALEXTENT, (WPARAM)(widest + 4), 0);
}

INT_PTR OnEditorInit(HWND dialog, Editor *editor) {
    SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)editor);
    GetWindowTextA(dialog, editor->caption, sizeof editor->caption);
    FillElementList(dialog);
    ShowEdited(dialog, 0);
    SetFocus(GetDlgItem(dialog, IDC_EDIT_SCENE));
    return FALSE;  // the focus is set
}

void OnChooseColor(HWND dialog) {
    Editor *editor = EditorOf(dialog);
    int chosen = ChosenInList(dialog);
    if (!IsHeld(*editor, chosen)) return;
    CHOOSECOLORA chooser = {};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = dialog;
    chooser.rgbResult = (COLORREF)ShownColors(*editor).value[chosen];
    chooser.lpCustColors = g_customColors;
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&chooser)) return;
    editor->edited.value[chosen] = (int32_t)chooser.rgbResult;  // as the chooser gives it
    editor->saved = false;
    ShowEdited(dialog, chosen);
}

void ApplyEdited(Editor *editor) {
    ApplyColors(editor->edited);
    editor->applied = true;
    editor->lastApplied = editor->edited;
}

// The list rebuilt after a save, the entry edited (now the file saved last,
// when that is listed) still selected, so that Return applies what was
// edited.
void RebuildKeepingSelection(const Editor &editor) {
    RebuildList(editor.args);
    if (!editor.args.list) return;
    char programDir[kFullPathCap], fileEntry[kLineCap];
    const EntryColors &entry = editor.entry;
    size_t dirLength = DirPartLength(entry.path);
    bool listed = entry.isFile && GetProgramDir(programDir, sizeof programDir) && strlen(programDir) == dirLength &&
                  CompareNoCaseAscii(programDir, std::string(entry.path, dirLength).c_str()) == 0;
    bool found = listed && snprintf(fileEntry, sizeof fileEntry, "(%s)\t", entry.name) < (int)sizeof fileEntry &&
                 SelectListEntry(editor.args.list, fileEntry, true);
    if (!found && editor.args.entry) SelectListEntry(editor.args.list, editor.args.entry, false);
}

// What Save As proposes from the editor: the entry's own file name beside
// the program, and its titles (a current-form file's own three, otherwise
// the title the list shows in every field).
void ProposeEntry(const Editor &editor) {
    char name[kLineCap], full[kFullPathCap];
    const EntryColors &entry = editor.entry;
    if (EntrySaveName(entry.name, entry.isFile, name, sizeof name) && GetProgramDir(full, sizeof full) &&
        AppendText(full, sizeof full, name))
        ProposeSaveName(name, full);
    else
        g_saveState.fileName.Clear();
    const char *shown = editor.args.entry ? strchr(editor.args.entry, '\t') : nullptr;
    const struct {
        const char *section;
        SavedText *title;
    } titles[] = {{kSectionPrimary, &g_saveState.titlePrimary},
                  {kSectionSibling, &g_saveState.titleSibling},
                  {kSectionEnglish, &g_saveState.titleEnglish}};
    bool current = entry.isFile && DetectColorSetForm(entry.text.c_str()) == kFormCurrent;
    for (const auto &t : titles) {
        char title[kLineCap];
        if (current && SectionTitle(entry.text.c_str(), t.section, title, sizeof title))
            t.title->Set(title);
        else if (current || !shown)
            t.title->Clear();
        else
            t.title->Set(shown + 1);
    }
}

void OnSaveAs(HWND dialog) {
    Editor *editor = EditorOf(dialog);
    SaveStateRecord before = g_saveState;
    ProposeEntry(*editor);
    char saved[kFullPathCap];
    std::string keep;  // a theme keeps all it holds when saved as a theme
    bool theme = editor->entry.holds == kHeldByTheme && PatchedEntryText(editor->entry, editor->edited, &keep);
    switch (SaveColorsAs(dialog, &editor->edited, saved, sizeof saved, theme ? &keep : nullptr)) {
    case kSaveAsCancelled:  // the main window's Save As proposes what it did before
        g_saveState = before;
        return;
    case kSaveAsFailed:
        return;
    case kSaveAsSaved:
        break;
    }
    // From now on the editor edits the file just saved.
    if (TakeSavedFile(&editor->entry, saved, editor->edited)) editor->saved = true;
    RebuildKeepingSelection(*editor);
    ShowEdited(dialog, ChosenInList(dialog));
}

// A color-set file is saved into itself; a legacy file, a theme, a
// control-panel scheme, or a file that cannot be patched whole never is:
// Save As writes a new file, and the old one stays as it is.
void OnSave(HWND dialog) {
    Editor *editor = EditorOf(dialog);
    if (!editor->entry.inPlace) return OnSaveAs(dialog);
    if (!IsModified(*editor)) return;  // an unchanged file is never rewritten
    switch (SaveEntryColors(dialog, &editor->entry, editor->edited)) {
    case kEntryNeedsSaveAs:
        editor->entry.inPlace = false;
        return OnSaveAs(dialog);
    case kEntryNotSaved:
        return;
    case kEntrySaved:
        break;
    }
    editor->saved = true;
    RebuildKeepingSelection(*editor);
    ShowEdited(dialog, ChosenInList(dialog));
}

// OK keeps the edited colors on the desktop: applied now, unless Apply has
// put them there already.
void OnOk(HWND dialog) {
    Editor *editor = EditorOf(dialog);
    if (!editor->applied || !SameColors(editor->lastApplied, editor->edited)) ApplyEdited(editor);
    EndDialog(dialog, IDOK);
}

// Cancel (Escape, the close box) takes every Apply back: the desktop gets
// the colors it had when the editor opened, and Undo Apply forgets them.
void OnCancel(HWND dialog) {
    Editor *editor = EditorOf(dialog);
    if (editor->applied) PutColorsBack(editor->desktop);
    ForgetAppliesAfter(editor->appliesBefore);
    EndDialog(dialog, IDCANCEL);
}

INT_PTR OnEditorCommand(HWND dialog, int controlId, int notification) {
    switch (controlId) {
    case IDC_EDIT_ELEMENTS:
        if (notification == LBN_SELCHANGE) ShowEdited(dialog, ChosenInList(dialog));
        return TRUE;
    case IDC_EDIT_SCENE:
        if (notification == kSceneChosen) ShowEdited(dialog, ChosenElement(GetDlgItem(dialog, IDC_EDIT_SCENE)));
        return TRUE;
    case IDC_EDIT_COLOR:
        OnChooseColor(dialog);
        return TRUE;
    case IDC_EDIT_APPLY:
        ApplyEdited(EditorOf(dialog));
        return TRUE;
    case IDC_EDIT_SAVE:
        OnSave(dialog);
        return TRUE;
    case IDC_EDIT_SAVEAS:
        OnSaveAs(dialog);
        return TRUE;
    case IDOK:
        OnOk(dialog);
        return TRUE;
    case IDCANCEL:
        OnCancel(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

// The swatch shows the chosen element's color.
INT_PTR OnStaticColor(HWND dialog, HWND control) {
    Editor *editor = EditorOf(dialog);
    return editor && GetDlgCtrlID(control) == IDC_EDIT_SWATCH ? (INT_PTR)editor->swatch : FALSE;
}

INT_PTR CALLBACK EditorDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnEditorInit(dialog, (Editor *)lParam);
    case WM_COMMAND:
        return OnEditorCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORSTATIC:
        return OnStaticColor(dialog, (HWND)lParam);
    default:
        return FALSE;
    }
}

}  // namespace

void EditColorSetCommand(const CommandArgs &args) {
    if (!args.entry || !RegisterSceneClass()) return;
    Editor editor = {};
    editor.args = args;
    if (!ReadEntryColors(args.entry, &editor.entry)) return;
    editor.edited = editor.entry.colors;
    CaptureColors(&editor.desktop);
    editor.appliesBefore = AppliesRecorded();
    DialogBoxParamA(ResourceModule(), RunningEdition().editorTemplate, args.owner, EditorDlg, (LPARAM)&editor);
    if (editor.swatch) DeleteObject(editor.swatch);
}
