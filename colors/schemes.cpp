#include "schemes.h"

#include <string.h>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/scheme_codec.h"
#include "../platform/profile.h"
#include "../platform/win32.h"
#include "../messages/msgbox.h"
#include "../state/appstate.h"
#include "syscolors.h"

static const char kSchemeSection[] = "COLOR SCHEMES";
static const char kControlIni[] = "control.ini";
static const char kSystemPrefix[] = "[SYSTEM]\t";

HLOCAL AllocProfileBuffer(WORD preferred, WORD minimum) {
    for (WORD size = preferred; size > minimum; size = (WORD)(size >> 1)) {
        HLOCAL block = LocalAlloc(LMEM_MOVEABLE, size);
        if (block) return block;
    }
    return LocalAlloc(LMEM_MOVEABLE, minimum);
}

void ListSchemes(HWND listBox) {
    HLOCAL block = AllocProfileBuffer(32767, 256);
    if (!block) {
        ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
        return;
    }
    DWORD size = (DWORD)LocalSize(block);
    char *names = (char *)LocalLock(block);
    DWORD count = ReadPrivateProfileText(kSchemeSection, nullptr, "", names, size, kControlIni);
    if (size < 2 || count >= size - 2) {
        LocalUnlock(block);
        LocalFree(block);
        ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
        return;
    }
    for (const char *name = names; *name; name += strlen(name) + 1) {
        char entry[kLineCap];
        if (!CopyText(entry, sizeof entry, kSystemPrefix) || !AppendText(entry, sizeof entry, name))
            continue;  // a name the list cannot hold whole is left out, never cut
        SendMessageA(listBox, LB_ADDSTRING, 0, (LPARAM)entry);
    }
    LocalUnlock(block);
    LocalFree(block);
}

bool ReadScheme(ColorSet *set, const char *key) {
    ShowWaitCursor();
    HLOCAL block = AllocProfileBuffer(32767, 256);
    if (!block) {
        ShowArrowCursor();
        ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
        return false;
    }
    DWORD size = (DWORD)LocalSize(block);
    char *line = (char *)LocalLock(block);
    DWORD count = ReadPrivateProfileText(kSchemeSection, key, "", line, size, kControlIni);
    if (size < 2 || count >= size - 2) {
        LocalUnlock(block);
        LocalFree(block);
        ShowArrowCursor();
        ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
        return false;
    }
    CaptureColors(set);
    DecodeSchemeLine(line, set);
    ShowArrowCursor();
    LocalUnlock(block);
    LocalFree(block);
    return true;
}

static bool SchemeIsInstalled(const char *key) {
    char present[kLineCap];
    return ReadPrivateProfileText(kSchemeSection, key, "", present, sizeof present, kControlIni) != 0;
}

int WriteScheme(const ColorSet &set, const char *key) {
    char line[kLineCap];
    EncodeSchemeLine(set, line, sizeof line);
    // The look for the key and the write go together under the profile
    // lock, except while the user is asked.
    ProfileWrite written = kProfileBusy;
    bool installed = false;
    {
        ProfileLock lock;
        if (lock.Held() && !(installed = SchemeIsInstalled(key)))
            written = WritePrivateProfileText(kSchemeSection, key, line, kControlIni);
    }
    if (installed) {
        int answer = ShowMessage(g_app.MainWindow, kMsgInstalledAlready, key, MB_YESNOCANCEL);
        if (answer != IDYES) return answer;
        written = WritePrivateProfileText(kSchemeSection, key, line, kControlIni);
    }
    if (written == kProfileWritten) return IDYES;
    TellProfileWrite(g_app.MainWindow, written, kControlIni);
    // A write that failed skips this file, and Install all goes on; settings
    // locked by another program end it.
    return written == kProfileBusy ? IDCANCEL : IDNO;
}
