#include "savestate.h"

#include <string.h>

#include "../colors/wallpaper.h"
#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/savename.h"
#include "../messages/msgbox.h"
#include "../core/resource.h"
#include "../state/appstate.h"

SaveStateRecord g_saveState = {nullptr, nullptr, nullptr, nullptr, false};

// Whether the open dialog's OK button is disabled (1) or enabled (0).
static int g_okState = 1;

// Storage of size bytes: old resized, or a new block. Null, with old
// released and the out-of-memory box shown, when it cannot be had.
static OptionalText TextStorage(OptionalText old, size_t size) {
    HLOCAL block = old ? LocalReAlloc(old, size, LMEM_MOVEABLE) : LocalAlloc(LMEM_MOVEABLE, size);
    if (!block) {
        if (old) LocalFree(old);
        ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
    }
    return block;
}

OptionalText SetBlockText(OptionalText old, const char *text) {
    size_t n = strlen(text);
    OptionalText block = TextStorage(old, n + 1);
    if (!block) return nullptr;
    char *p = (char *)LocalLock(block);
    memcpy(p, text, n + 1);
    LocalUnlock(block);
    return block;
}

OptionalText ReadFieldText(HWND dialog, int fieldId, OptionalText old) {
    size_t n = (size_t)SendDlgItemMessageA(dialog, fieldId, WM_GETTEXTLENGTH, 0, 0);
    OptionalText block = TextStorage(old, n + 1);
    if (!block) return nullptr;
    char *p = (char *)LocalLock(block);
    p[0] = '\0';
    GetDlgItemTextA(dialog, fieldId, p, (int)(n + 1));
    p[n] = '\0';
    LocalUnlock(block);
    return block;
}

void ReleaseText(OptionalText text) {
    if (text) LocalFree(text);
}

const char *LockText(OptionalText text) { return text ? (const char *)LocalLock(text) : nullptr; }

void UnlockText(OptionalText text) {
    if (text) LocalUnlock(text);
}

bool AppendDefaultExtension(OptionalText *text) {
    size_t size = strlen(LockText(*text)) + strlen(g_app.DefaultExt) + 1;
    UnlockText(*text);
    HLOCAL grown = LocalReAlloc(*text, size, LMEM_MOVEABLE);
    if (!grown) {
        ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
        return false;
    }
    *text = grown;
    char *p = (char *)LocalLock(grown);
    bool fits = AppendText(p, size, g_app.DefaultExt);
    LocalUnlock(grown);
    return fits;
}

void ResetSaveState() {
    ReleaseText(g_saveState.fileName);
    ReleaseText(g_saveState.titlePrimary);
    ReleaseText(g_saveState.titleSibling);
    ReleaseText(g_saveState.titleEnglish);
    g_saveState = SaveStateRecord{nullptr, nullptr, nullptr, nullptr, false};
    g_okState = 1;
}

int SetOkState(HWND dialog, int request) {
    if (request == 0 || request == 1) {
        EnableWindow(GetDlgItem(dialog, IDOK), request == 0);
        g_okState = request;
    }
    return g_okState;
}

bool NameFieldHasText(HWND dialog) { return SendDlgItemMessageA(dialog, IDC_FILENAME, WM_GETTEXTLENGTH, 0, 0) > 0; }

void FollowNameField(HWND dialog) {
    int request = OkRequestFor(NameFieldHasText(dialog), SetOkState(dialog, 2));
    if (request != 2) SetOkState(dialog, request);
}

bool HasWallpaper() {
    char name[kFullPathCap];
    int32_t tile = 0;
    return ReadCurrentWallpaper(name, sizeof name, &tile);
}
