#include "mainwnd.h"

#include "../colors/syscolors.h"
#include "../commands/about.h"
#include "../commands/add.h"
#include "../commands/delete.h"
#include "../commands/editor.h"
#include "../commands/fix.h"
#include "../commands/install.h"
#include "../commands/saveas.h"
#include "../core/capacity.h"
#include "../core/resource.h"
#include "../messages/msgbox.h"
#include "../platform/listbox.h"
#include "../platform/profile.h"
#include "../state/applied.h"
#include "../state/appstate.h"
#include "panel.h"

static void FocusSchemeList() {
    if (g_app.PanelWindow) SetFocus(GetDlgItem(g_app.PanelWindow, IDC_SCHEME_LIST));
}

void RequestListRebuild() {
    if (g_app.PanelWindow) SendMessageA(g_app.PanelWindow, WM_REBUILDLIST, 0, 0);
}

static HWND CreatePanel(HWND mainWindow) {
    HWND panel = CreateDialogParamA(g_app.Instance, RunningEdition().panelTemplate, mainWindow, MainPanelDlg, 0);
    if (!panel) return nullptr;
    g_app.PanelWindow = panel;
    RECT r;
    GetWindowRect(panel, &r);
    g_app.PanelWidth = r.right - r.left;
    g_app.PanelHeight = r.bottom - r.top;
    return panel;
}

// The system menu offers the color-set editor and Undo Apply, below what
// the system puts there.
static void AddEditorToSystemMenu(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    char edit[kRunEntryLimit], undo[kRunEntryLimit];
    LoadEditionString(IDS_SYSMENU_EDIT, edit, sizeof edit);
    LoadEditionString(IDS_SYSMENU_UNDO, undo, sizeof undo);
    if (menu && AppendMenuA(menu, MF_SEPARATOR, 0, nullptr) && AppendMenuA(menu, MF_STRING, IDM_SYSMENU_EDIT, edit))
        AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_SYSMENU_UNDO, undo);
}

// Undo Apply is grey while no apply of this run is left to take back.
static LRESULT OnInitMenuPopup(HWND window) {
    EnableMenuItem(GetSystemMenu(window, FALSE), IDM_SYSMENU_UNDO, CanUndoApply() ? MF_ENABLED : MF_GRAYED);
    return 0;
}

static LRESULT OnCreate(HWND window) {
    CreatePanel(window);
    AddEditorToSystemMenu(window);
    RECT r;
    GetWindowRect(window, &r);
    MoveWindow(window, r.left, r.top, g_app.PanelWidth,
               GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) + g_app.PanelHeight, FALSE);
    return 0;
}

static LRESULT OnSize(HWND window, WPARAM wParam, LPARAM lParam) {
    if (g_app.LastSizeType == SIZE_MINIMIZED && wParam == SIZE_RESTORED) {
        RequestListRebuild();
        FocusSchemeList();
    }
    g_app.LastSizeType = LOWORD(wParam);
    return DefWindowProcA(window, WM_SIZE, wParam, lParam);
}

static LRESULT OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) != WA_INACTIVE && g_app.PanelWindow) FocusSchemeList();
    return 0;
}

// The commands that act on the list's entries.
static bool NeedsTheList(int command) {
    return command == IDM_OPEN || command == IDM_DELETE || command == IDM_INSTALL_SELECTED ||
           command == IDM_INSTALL_ALL || command == IDM_EDIT;
}

static void DispatchCommand(HWND mainWindow, WPARAM wParam) {
    int command = LOWORD(wParam);
    ProfileCommand profiles;  // a command waits for the settings once
    // While the list is rebuilt (a reader's box is up) its entries are not
    // all there yet: a command on them is ignored.
    if (NeedsTheList(command) && SchemeListIsBuilding()) return;
    HWND list = g_app.PanelWindow ? GetDlgItem(g_app.PanelWindow, IDC_SCHEME_LIST) : nullptr;
    char entry[kLineCap];
    bool selected = list && GetSelectedListEntry(list, entry, sizeof entry);
    const CommandArgs args = {mainWindow, selected ? entry : nullptr, list};
    // Save As, Add, Delete and the install commands change what the list
    // shows: it is rebuilt after them, whatever their outcome.
    bool rebuild = false;
    switch (command) {
    case IDM_OPEN:
        if (args.entry) ApplyListEntry(g_app.PanelWindow, args.entry);
        break;
    case IDM_SAVEAS:
        SaveAsCommand(args);
        rebuild = true;
        break;
    case IDM_EXIT:
        SendMessageA(mainWindow, WM_CLOSE, 0, 0);
        return;
    case IDM_ABOUT:
        AboutCommand(args);
        break;
    case IDM_FIX:
        FixWithCurrentColorCommand(args);
        break;
    case IDM_ADD:
        AddColorSetCommand(args);
        rebuild = true;
        break;
    case IDM_DELETE:
        DeleteColorSetCommand(args);
        rebuild = true;
        break;
    case IDM_INSTALL_SELECTED:
        InstallSelectedCommand(args);
        rebuild = true;
        break;
    case IDM_INSTALL_ALL:
        InstallAllCommand(args);
        rebuild = true;
        break;
    case IDM_EDIT:  // it rebuilds the list itself after a save
        EditColorSetCommand(args);
        break;
    case IDM_UNDO_APPLY:
        UndoLastApply();
        break;
    default:
        break;
    }
    if (rebuild) RequestListRebuild();
    FocusSchemeList();
}

// The system menu's own items go to the system; the program's are commands.
static LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0xFFF0) {
    case IDM_SYSMENU_EDIT:
        DispatchCommand(window, IDM_EDIT);
        return 0;
    case IDM_SYSMENU_UNDO:
        DispatchCommand(window, IDM_UNDO_APPLY);
        return 0;
    default:
        return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
    }
}

LV_EXPORT LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        return OnSize(window, wParam, lParam);
    case WM_ACTIVATE:
        return OnActivate(wParam);
    case WM_COMMAND:
        DispatchCommand(window, wParam);
        return 0;
    case WM_SYSCOMMAND:
        return OnSysCommand(window, wParam, lParam);
    case WM_INITMENUPOPUP:
        return OnInitMenuPopup(window);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
