#include "strings.h"

#include <string.h>

#include "../app/globals.h"
#include "../platform/mbtext.h"
#include "../platform/win32.h"

void LoadEditionString(int japaneseId, int englishId, char *out, size_t cap) {
    if (cap == 0) return;
    out[0] = '\0';
    int id = g_app.edition == 2 ? englishId : japaneseId;
    if (LoadStringA(ResourceModule(), id, out, (int)cap) <= 0) out[0] = '\0';
}

void LoadStringRun(int firstId, char *out, size_t cap) {
    if (cap == 0) return;
    out[0] = '\0';
    for (int id = firstId;; id++) {
        char entry[kRunEntryLimit];
        if (LoadStringA(ResourceModule(), id, entry, sizeof entry) <= 0 || entry[0] == '\0') break;
        size_t have = strlen(out);
        CopyTextCut(out + have, cap - have, entry);
        have = strlen(out);
        CopyTextCut(out + have, cap - have, "\n\n");
    }
}

void ShowOutOfMemory() {
    ShowMessageBox(nullptr, g_app.TitleString, MessageText(kMsgOutOfMemory, g_app.edition), MB_OK | MB_ICONHAND);
}

int ShowTitledMessage(HWND owner, const char *text, UINT type) {
    return ShowMessageBox(owner, text, g_app.TitleString, type);
}

int ShowNamedMessage(HWND owner, MessageKey key, const char *name, UINT type) {
    char text[kMessageCap];
    ComposeMessage(key, g_app.edition, name, text, sizeof text);
    return ShowTitledMessage(owner, text, type);
}
