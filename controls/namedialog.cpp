#include "namedialog.h"

#include <string.h>

#include <string>

#include "../core/mbtext.h"
#include "../core/resource.h"

// Whether the open dialog's OK button is enabled.
static bool g_okEnabled = false;

bool ReadField(HWND dialog, int fieldId, char *out, size_t cap) {
    // The length asked for may count a double-byte text generously.
    std::string text((size_t)SendDlgItemMessageA(dialog, fieldId, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    GetDlgItemTextA(dialog, fieldId, &text[0], (int)text.size());
    return CopyCut(out, cap, text.c_str(), strlen(text.c_str()));
}

void EnableOk(HWND dialog, bool enabled) {
    EnableWindow(GetDlgItem(dialog, IDOK), enabled);
    g_okEnabled = enabled;
}

// Keeps the OK button enabled exactly while the name field holds text.
static void FollowNameField(HWND dialog) {
    bool hasText = SendDlgItemMessageA(dialog, IDC_FILENAME, WM_GETTEXTLENGTH, 0, 0) > 0;
    if (hasText != g_okEnabled) EnableOk(dialog, hasText);
}

void SelectNameField(HWND dialog) { SendDlgItemMessageA(dialog, IDC_FILENAME, EM_SETSEL, 0, -1); }

INT_PTR DialogProcedure(HWND dialog, UINT message, WPARAM wParam, void (*init)(HWND),
                        INT_PTR (*command)(HWND, int, int)) {
    switch (message) {
    case WM_INITDIALOG:
        init(dialog);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_FILENAME) return command(dialog, LOWORD(wParam), HIWORD(wParam));
        if (HIWORD(wParam) == EN_CHANGE) FollowNameField(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}
