#include "listbox.h"

#include "../core/capacity.h"
#include "../core/mbtext.h"

bool GetListEntry(HWND list, int index, char *out, size_t cap) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, (WPARAM)index, 0);
    if (length == LB_ERR || (size_t)length + 1 > cap) return false;
    // The length may count a double-byte text generously; read into room
    // for the worst case and copy only what fits.
    char text[2 * kLineCap + 2];
    if ((size_t)length + 1 > sizeof text) return false;
    if (SendMessageA(list, LB_GETTEXT, (WPARAM)index, (LPARAM)text) == LB_ERR) return false;
    return CopyText(out, cap, text);
}

bool GetSelectedListEntry(HWND list, char *out, size_t cap) {
    int index = (int)SendMessageA(list, LB_GETCURSEL, 0, 0);
    return index != LB_ERR && GetListEntry(list, index, out, cap);
}

bool SelectListEntry(HWND list, const char *text, bool prefix) {
    LRESULT index = SendMessageA(list, prefix ? LB_FINDSTRING : LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text);
    return index != LB_ERR && SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0) != LB_ERR;
}
