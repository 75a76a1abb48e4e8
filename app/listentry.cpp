#include "listentry.h"

#include "../platform/mbtext.h"
#include "../platform/win32.h"
#include "../resources/messages.h"
#include "../resources/strings.h"
#include "globals.h"

bool GetListEntry(HWND list, int index, char *out, size_t cap) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, (WPARAM)index, 0);
    if (length == LB_ERR || (size_t)length + 1 > cap) return false;
    // The length may count a double-byte text generously; read into room
    // for the worst case and copy only what fits.
    char text[2 * kListEntryCap + 2];
    if ((size_t)length + 1 > sizeof text) return false;
    if (SendMessageA(list, LB_GETTEXT, (WPARAM)index, (LPARAM)text) == LB_ERR) return false;
    return CopyText(out, cap, text);
}

bool ListedFilePath(const char *name, char *path, size_t cap) {
    if (GetProgramDir(path, kModulePathLimit) && AppendText(path, cap, name)) return true;
    char whole[kMessageCap], text[kMessageCap];
    GetProgramDir(whole, sizeof whole);
    AppendText(whole, sizeof whole, name);
    FormatWithName(kFormatInternalNotFound, whole, text, sizeof text);
    ShowTitledMessage(nullptr, text, MB_OK | MB_ICONHAND);
    if (cap) path[0] = '\0';
    return false;
}
