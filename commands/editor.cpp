#include "editor.h"

#include <commdlg.h>
#include <stdio.h>

#include <string.h>

#include <string>

#include "../colors/entrycolors.h"
#include "../colors/syscolors.h"
#include "../core/colfile_text.h"
#include "../core/contrast.h"
#include "../core/mbtext.h"
#include "../core/resource.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../state/appstate.h"
#include "saveas.h"
#include "scene.h"

namespace {

struct Editor {
    CommandArgs args;
    EntryColors entry;  // as read, or as saved last
    ColorSet edited;
    ColorSet desktop;  // the desktop's colors as the editor opened: kept elements show them, Cancel restores them
    bool applied;
    HBRUSH swatch;
};

Editor *g_editor = nullptr;  // the one editor open (it is modal)
COLORREF g_customColors[16] = {};  // the chooser's custom colors, kept for the run

// The colors the editor shows: each element's own, or the desktop's when it
// is kept.
ColorSet ShownColors() {
    ColorSet shown = g_editor->edited;
    for (int i = 0; i < kElementCount; i++)
        if (shown.value[i] == kKeepColor) shown.value[i] = g_editor->desktop.value[i];
    return shown;
}

int ChosenInList(HWND dialog) {
    int chosen = (int)SendDlgItemMessageA(dialog, IDC_EDIT_ELEMENTS, LB_GETCURSEL, 0, 0);
    return chosen >= 0 && chosen < kElementCount ? chosen : 0;
}

void ShowChosenElement(HWND dialog, int chosen, const ColorSet &shown) {
    uint32_t color = (uint32_t)shown.value[chosen];
    char value[48], kept[kRunEntryLimit] = "";
    snprintf(value, sizeof value, "R %u  G %u  B %u", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    if (g_editor->edited.value[chosen] == kKeepColor) LoadEditionString(IDS_EDIT_KEPT, kept, sizeof kept);
    SetDlgItemTextA(dialog, IDC_EDIT_VALUE, value);
    SetDlgItemTextA(dialog, IDC_EDIT_KEPT, kept);
    if (g_editor->swatch) DeleteObject(g_editor->swatch);
    g_editor->swatch = CreateSolidBrush((COLORREF)color);
    InvalidateRect(GetDlgItem(dialog, IDC_EDIT_SWATCH), nullptr, TRUE);
}

// Each text on its background (the window, the menu bar, the active title
// bar, the selected item, the button face): the ratio, marked when under
// 4.5:1.
void ShowContrast(HWND dialog, const ColorSet &shown) {
    static const int kPairs[][2] = {{kColorWindowText, kColorWindow}, {kColorMenuText, kColorMenu},
                                    {kColorTitleText, kColorActiveTitle}, {kColorHilightText, kColorHilight},
                                    {kColorButtonText, kColorButtonFace}};
    std::string lines;
    char hardToRead[kRunEntryLimit];
    LoadEditionString(IDS_EDIT_HARD_TO_READ, hardToRead, sizeof hardToRead);
    for (const auto &pair : kPairs) {
        char text[kRunEntryLimit], line[2 * kRunEntryLimit];
        LoadEditionString(IDS_ELEMENT_FIRST + pair[0], text, sizeof text);
        double ratio = ContrastRatio(shown.value[pair[0]], shown.value[pair[1]]);
        snprintf(line, sizeof line, "%s  %.2f:1  %s\r\n", text, ratio, ratio < kReadableContrast ? hardToRead : "");
        lines += line;
    }
    SetDlgItemTextA(dialog, IDC_EDIT_CONTRAST, lines.c_str());
}

// The scene, the list and the element's value, all in step.
void ShowEdited(HWND dialog, int chosen) {
    const ColorSet shown = ShownColors();
    SendDlgItemMessageA(dialog, IDC_EDIT_ELEMENTS, LB_SETCURSEL, chosen, 0);
    ShowScene(GetDlgItem(dialog, IDC_EDIT_SCENE), shown, chosen);
    ShowChosenElement(dialog, chosen, shown);
    ShowContrast(dialog, shown);
}

// The caption names what is edited.
void ShowCaption(HWND dialog) {
    char caption[kMessageCap];
    GetWindowTextA(dialog, caption, sizeof caption);
    char *colon = strstr(caption, ": ");  // the name shown before
    if (colon) *colon = '\0';
    if (AppendText(caption, sizeof caption, ": ") && AppendText(caption, sizeof caption, g_editor->entry.name))
        SetWindowTextA(dialog, caption);
}

INT_PTR OnEditorInit(HWND dialog, Editor *editor) {
    g_editor = editor;
    ShowCaption(dialog);
    for (int i = 0; i < kElementCount; i++) {
        char name[kRunEntryLimit];
        LoadEditionString(IDS_ELEMENT_FIRST + i, name, sizeof name);
        SendDlgItemMessageA(dialog, IDC_EDIT_ELEMENTS, LB_ADDSTRING, 0, (LPARAM)name);
    }
    ShowEdited(dialog, 0);
    SetFocus(GetDlgItem(dialog, IDC_EDIT_SCENE));
    return FALSE;  // the focus is set
}

void OnChooseColor(HWND dialog) {
    int chosen = ChosenInList(dialog);
    CHOOSECOLORA chooser = {};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = dialog;
    chooser.rgbResult = (COLORREF)ShownColors().value[chosen];
    chooser.lpCustColors = g_customColors;
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&chooser)) return;
    g_editor->edited.value[chosen] = (int32_t)chooser.rgbResult;  // as the chooser gives it
    ShowEdited(dialog, chosen);
}

// From now on the editor edits the file it has just saved, when that is a
// color-set file it can save into.
void EditTheSavedFile(HWND dialog, const char *path) {
    FileText file;
    EntryColors &entry = g_editor->entry;
    if (LoadWholeFile(path, &file) != kFileRead || DetectColorSetForm(file.text) != kFormCurrent ||
        !CopyText(entry.path, sizeof entry.path, path))
        return;
    CopyTextCut(entry.name, sizeof entry.name, FileNamePart(path));
    entry.text = file.text;
    entry.colors = g_editor->edited;
    entry.inPlace = true;
    ShowCaption(dialog);
}

void OnSaveAs(HWND dialog) {
    char saved[kFullPathCap];
    if (!SaveColorsAs(dialog, &g_editor->edited, saved, sizeof saved)) return;
    RebuildList(g_editor->args);
    EditTheSavedFile(dialog, saved);
}

// A color-set file is saved into itself; a legacy file, a theme or a
// control-panel scheme never is: Save As writes a new file.
void OnSave(HWND dialog) {
    if (!g_editor->entry.inPlace) return OnSaveAs(dialog);
    if (SaveEntryColors(dialog, &g_editor->entry, g_editor->edited)) RebuildList(g_editor->args);
}

// Closing takes an Apply back: the desktop gets the nineteen colors it had.
void OnClose(HWND dialog) {
    if (g_editor->applied) ApplyColors(g_editor->desktop);
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
        ApplyColors(g_editor->edited);
        g_editor->applied = true;
        return TRUE;
    case IDC_EDIT_SAVE:
        OnSave(dialog);
        return TRUE;
    case IDC_EDIT_SAVEAS:
        OnSaveAs(dialog);
        return TRUE;
    case IDCANCEL:
        OnClose(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

// The swatch shows the chosen element's color.
INT_PTR OnStaticColor(HWND control) {
    return GetDlgCtrlID(control) == IDC_EDIT_SWATCH ? (INT_PTR)g_editor->swatch : FALSE;
}

INT_PTR CALLBACK EditorDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnEditorInit(dialog, (Editor *)lParam);
    case WM_COMMAND:
        return OnEditorCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORSTATIC:
        return OnStaticColor((HWND)lParam);
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
    DialogBoxParamA(ResourceModule(), RunningEdition().editorTemplate, args.owner, EditorDlg, (LPARAM)&editor);
    if (editor.swatch) DeleteObject(editor.swatch);
    g_editor = nullptr;
}
