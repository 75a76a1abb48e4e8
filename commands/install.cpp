// Installing color-set files as control-panel schemes.
#include "../app/globals.h"
#include "../app/listentry.h"
#include "../colors/colfile.h"
#include "../colors/scheme_codec.h"
#include "../colors/schemes.h"
#include "../platform/mbtext.h"
#include "../platform/win32.h"
#include "../resources/messages.h"
#include "../resources/resource.h"
#include "../resources/strings.h"
#include "commands.h"

int InstallFileEntry(const char *entry) {
    char key[kPathCap];
    if (!FileEntryName(entry, key, sizeof key)) return IDNO;
    if (!IsStorableSchemeName(key)) {
        // Written anyway it would land as another key, a section or a
        // comment, and could never be listed or applied by its name.
        ShowNamedMessage(g_app.MainWindow, kMsgUnstorableName, key, MB_OK | MB_ICONHAND);
        return IDNO;
    }
    char path[kPathCap];
    if (!ListedFilePath(key, path, sizeof path)) return IDNO;
    ColorSet colors;
    if (!ReadColorSetColors(&colors, path)) return IDNO;
    return WriteScheme(colors, key);
}

void InstallSelected(HWND panel) {
    HWND list = GetDlgItem(panel, IDC_SCHEME_LIST);
    int index = (int)SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    char entry[kListEntryCap];
    if (!GetListEntry(list, index, entry, sizeof entry)) return;
    if (entry[0] == '[') {
        ShowTitledMessage(g_app.MainWindow, MessageText(kMsgSystemScheme, g_app.edition), MB_OK);
        return;
    }
    InstallFileEntry(entry);
}

void InstallAll(HWND panel) {
    ShowTitledMessage(g_app.MainWindow, MessageText(kMsgInstallAll, g_app.edition), MB_OK);
    HWND list = GetDlgItem(panel, IDC_SCHEME_LIST);
    int count = (short)SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR) return;
    for (int i = 0; i < count; i++) {
        char entry[kListEntryCap];
        if (!GetListEntry(list, i, entry, sizeof entry) || entry[0] != '(') continue;
        if (InstallFileEntry(entry) == IDCANCEL) return;
    }
}
