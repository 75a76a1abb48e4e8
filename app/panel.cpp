#include "panel.h"

#include <string.h>

#include "../colors/apply.h"
#include "../colors/setfile.h"
#include "../colors/schemes.h"
#include "../colors/syscolors.h"
#include "../commands/savestate.h"
#include "../core/capacity.h"
#include "../core/entryname.h"
#include "../core/mbtext.h"
#include "../core/resource.h"
#include "../core/theme_text.h"
#include "../platform/listbox.h"
#include "../platform/profile.h"
#include "../state/applied.h"
#include "../state/appstate.h"

// Adds one file entry, "(" name ")" TAB title. A name the entry cannot hold
// whole is left out; a long title is cut.
static void AddFileEntry(HWND list, const char *name) {
    char title[kPathCap];
    if (!ReadColorSetTitle(name, title, sizeof title)) return;
    char entry[kPathCap] = "(";
    if (!AppendText(entry, sizeof entry, name) || !AppendText(entry, sizeof entry, ")\t")) return;
    size_t have = strlen(entry);
    CopyTextCut(entry + have, sizeof entry - have, title);
    SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)entry);
}

// A rebuild shows the reader's boxes, which have no owner: the window stays
// usable meanwhile, and a command can ask for another rebuild while one is
// running. That one is done once, after the running one, never inside it.
static bool g_building = false;
static bool g_buildAgain = false;

bool SchemeListIsBuilding() { return g_building; }

// True when a file of the program's directory (the current one) is one the
// list shows: a name ending in the list's extension, or in that of themes
// beside color-set files (a list switched to another extension by the Add
// dialog shows only that one). As the extension's wildcard did, a short name
// ending in it counts too ("a.colx", known as "A~1.COL" where the file system
// keeps short names); the short name is asked for only when the name itself
// does not match.
static bool IsListedFile(const char *name) {
    if (EndsWithNoCaseAscii(name, g_addState.DefaultExt)) return true;
    if (CompareNoCaseAscii(g_addState.DefaultExt, ".col") == 0 && EndsWithNoCaseAscii(name, kThemeExtension))
        return true;
    char shortName[kPathCap];
    DWORD length = GetShortPathNameA(name, shortName, sizeof shortName);
    return length > 0 && length < sizeof shortName && EndsWithNoCaseAscii(shortName, g_addState.DefaultExt);
}

// Adds a file entry for every file of the program's directory that the list
// shows, from one walk of the directory through the hidden file list (which
// makes that directory current).
static void AddListedFiles(HWND panel, HWND list) {
    HWND files = GetDlgItem(panel, IDC_FILE_LIST);
    char pattern[kPathCap];
    if (GetProgramDir(pattern, kModulePathLimit) && AppendText(pattern, sizeof pattern, "*")) {
        // The file list is never seen: without its redrawing it does not
        // update its scroll bar for every name added, which halves the
        // listing's time in a directory of thousands of files.
        SendMessageA(files, WM_SETREDRAW, FALSE, 0);
        DlgDirListA(panel, pattern, IDC_FILE_LIST, 0, DDL_READWRITE);
        SendMessageA(files, WM_SETREDRAW, TRUE, 0);
    } else {
        SendMessageA(files, LB_RESETCONTENT, 0, 0);
    }
    int count = (WORD)SendMessageA(files, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; i++) {
        char name[kPathCap];
        if (GetListEntry(files, i, name, sizeof name) && IsListedFile(name)) AddFileEntry(list, name);
    }
}

static void FillSchemeList(HWND panel) {
    WaitCursor wait;
    HWND list = GetDlgItem(panel, IDC_SCHEME_LIST);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    int tabStop = kSchemeTabStop;
    SendMessageA(list, LB_SETTABSTOPS, 1, (LPARAM)&tabStop);
    AddListedFiles(panel, list);
    ListSchemes(list);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, FALSE);
    SetFocus(list);
    if (SendMessageA(list, LB_GETCURSEL, 0, 0) == LB_ERR) SendMessageA(list, LB_SETCURSEL, 0, 0);
}

static void BuildSchemeList(HWND panel) {
    if (g_building) {
        g_buildAgain = true;
        return;
    }
    g_building = true;
    do {
        g_buildAgain = false;
        FillSchemeList(panel);
    } while (g_buildAgain);
    g_building = false;
}

void ApplyListEntry(HWND panel, const char *entry) {
    char name[kPathCap];
    if (FileEntryName(entry, name, sizeof name)) {
        char path[kPathCap];
        if (ListedFilePathOrTell(name, path, sizeof path)) ApplyColorSetFile(panel, path, kFromList);
        return;
    }
    // A scheme carries no wallpaper: the wallpaper is left as it is.
    const char *scheme = SchemeEntryName(entry);
    ColorSet colors;
    if (scheme && ReadScheme(DesktopColorSet(), &colors, scheme)) ApplyColors(colors);
}

static INT_PTR OnPanelCommand(HWND panel, WPARAM wParam) {
    if (LOWORD(wParam) == IDOK || (LOWORD(wParam) == IDC_SCHEME_LIST && HIWORD(wParam) == LBN_DBLCLK)) {
        char entry[kLineCap];
        ProfileCommand profiles;
        if (!g_building && GetSelectedListEntry(GetDlgItem(panel, IDC_SCHEME_LIST), entry, sizeof entry))
            ApplyListEntry(panel, entry);
        return TRUE;
    }
    return FALSE;
}

// The list's context menu (the right button on an entry, the Menu key,
// Shift+F10): Open and Edit, acting on the entry under the pointer, or on
// the selected one from the keyboard, and Undo Apply (grey while there is
// nothing to take back), as the main window's commands.
static INT_PTR OnContextMenu(HWND panel, HWND control, LPARAM lParam) {
    HWND list = GetDlgItem(panel, IDC_SCHEME_LIST);
    if (control != list || g_building) return FALSE;
    POINT at = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    if (lParam == -1) {  // from the keyboard: at the selected entry
        RECT item = {};
        SendMessageA(list, LB_GETITEMRECT, (WPARAM)SendMessageA(list, LB_GETCURSEL, 0, 0), (LPARAM)&item);
        at = {item.left + 8, item.bottom};
        ClientToScreen(list, &at);
    } else {
        POINT inList = at;
        ScreenToClient(list, &inList);
        LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(inList.x, inList.y));
        if (HIWORD(hit)) return TRUE;  // not on an entry
        SendMessageA(list, LB_SETCURSEL, LOWORD(hit), 0);
    }
    HMENU menu = LoadMenuA(ResourceModule(), RunningEdition().listMenu);
    if (!menu) return TRUE;
    EnableMenuItem(menu, IDM_UNDO_APPLY, CanUndoApply() ? MF_ENABLED : MF_GRAYED);
    int command = (int)TrackPopupMenu(GetSubMenu(menu, 0), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, panel,
                                      nullptr);
    DestroyMenu(menu);
    if (command) SendMessageA(GetParent(panel), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return TRUE;
}

LV_EXPORT INT_PTR CALLBACK MainPanelDlg(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:  // the build has put the focus on the list
        BuildSchemeList(panel);
        return FALSE;
    case WM_COMMAND:
        return OnPanelCommand(panel, wParam);
    case WM_REBUILDLIST:
        BuildSchemeList(panel);
        return TRUE;
    case WM_CONTEXTMENU:
        return OnContextMenu(panel, (HWND)wParam, lParam);
    default:
        return FALSE;
    }
}
