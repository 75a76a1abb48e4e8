#include "msgbox.h"

#include <string.h>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../platform/win32.h"
#include "../state/appstate.h"

static void ComposeFromCatalogue(MessageKey key, const char *name, char *text, size_t cap) {
    int id = MessageStringId(key, g_app.edition);
    if (id == 0) {
        ComposeMessage(key, g_app.edition, name, text, cap);
        return;
    }
    char format[kLineCap];
    LoadCatalogueString(id, format, sizeof format);
    FormatWithName(format, name, text, cap);
}

int ShowMessage(HWND owner, MessageKey key, const char *name, UINT type) {
    char text[kMessageCap];
    ComposeFromCatalogue(key, name, text, sizeof text);
    return ShowMessageBox(owner, text, g_app.TitleString, type);
}

int ShowMessageUncaptioned(HWND owner, MessageKey key, UINT type) {
    char text[kMessageCap];
    ComposeFromCatalogue(key, nullptr, text, sizeof text);
    return ShowMessageBox(owner, text, nullptr, type);
}

void ShowRenameFailed(const char *tempName, const char *destination) {
    char text[kMessageCap];
    ComposeRenameFailed(g_app.edition, tempName, destination, text, sizeof text);
    ShowMessageBox(nullptr, text, g_app.TitleString, MB_OK);
}

void TellProfileWrite(HWND owner, ProfileWrite result, const char *file) {
    if (result == kProfileWriteFailed) ShowMessage(owner, kMsgWriteFailed, file, MB_OK | MB_ICONHAND);
    if (result == kProfileBusy && FirstBusyNoticeOfCommand())
        ShowMessage(owner, kMsgSettingsBusy, file, MB_OK | MB_ICONHAND);
}

void ShowOutOfMemory() {
    ShowMessageBox(nullptr, g_app.TitleString, MessageText(kMsgOutOfMemory, g_app.edition), MB_OK | MB_ICONHAND);
}

void LoadCatalogueString(int id, char *out, size_t cap) {
    if (cap == 0) return;
    if (LoadStringA(ResourceModule(), id, out, (int)cap) <= 0) out[0] = '\0';
}

void LoadStringRun(int firstId, char *out, size_t cap) {
    if (cap == 0) return;
    out[0] = '\0';
    for (int id = firstId;; id++) {
        char entry[kRunEntryLimit];
        LoadCatalogueString(id, entry, sizeof entry);
        if (entry[0] == '\0') break;
        size_t have = strlen(out);
        CopyTextCut(out + have, cap - have, entry);
        have = strlen(out);
        CopyTextCut(out + have, cap - have, "\n\n");
    }
}

int ShowString(HWND owner, int id, UINT type) {
    char text[kRunEntryLimit];
    LoadCatalogueString(id, text, sizeof text);
    return ShowMessageBox(owner, text, g_app.TitleString, type);
}

int ShowStringRun(HWND owner, int firstId, UINT type) {
    char text[kRunCap];
    LoadStringRun(firstId, text, sizeof text);
    return ShowMessageBox(owner, text, g_app.TitleString, type);
}
