#include "msgbox.h"

#include <string.h>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../platform/win32.h"
#include "../state/appstate.h"

// The flags of a box style.
static UINT BoxFlags(MessageBoxStyle style) {
    switch (style) {
    case kBoxOk:
        return MB_OK;
    case kBoxError:
        return MB_OK | MB_ICONERROR;
    case kBoxOkQuestion:
        return MB_OK | MB_ICONQUESTION;
    case kBoxYesNo:
        return MB_YESNO;
    case kBoxYesNoQuestion:
        return MB_YESNO | MB_ICONQUESTION;
    case kBoxYesNoCancel:
        return MB_YESNOCANCEL;
    }
    return MB_OK;
}

int ShowMessage(HWND owner, MessageId id, const char *name, const char *secondName) {
    UINT type = BoxFlags(MessageBoxStyleOf(id));
    char text[kMessageCap];
    ComposeMessage(MessageFormat(id, g_app.edition), name, secondName, text, sizeof text);
    switch (MessageCaptionOf(id)) {
    case kCaptionDefault:
        return ShowMessageBox(owner, text, nullptr, type);
    case kCaptionIsText:
        return ShowMessageBox(owner, g_app.TitleString, text, type);
    case kCaptionTitle:
        break;
    }
    return ShowMessageBox(owner, text, g_app.TitleString, type);
}

// One string of the table, cut to the buffer; an absent id reads as empty.
static void LoadTableString(int id, char *out, size_t cap) {
    if (LoadStringA(ResourceModule(), id, out, (int)cap) <= 0) out[0] = '\0';
}

void LoadEditionString(int englishId, char *out, size_t cap) {
    LoadTableString(EditionStringId(englishId, g_app.edition), out, cap);
}

int ShowStrings(HWND owner, int firstId, StringSpan span, UINT type) {
    char text[kRunCap] = "";
    if (span == kOneString) LoadTableString(firstId, text, kRunEntryLimit);
    for (int id = firstId; span == kWholeRun; id++) {
        char entry[kRunEntryLimit];
        LoadTableString(id, entry, sizeof entry);
        if (entry[0] == '\0') break;
        size_t have = strlen(text);
        CopyTextCut(text + have, sizeof text - have, entry);
        have = strlen(text);
        CopyTextCut(text + have, sizeof text - have, "\n\n");
    }
    return ShowMessageBox(owner, text, g_app.TitleString, type);
}

void TellProfileWrite(HWND owner, ProfileWrite result, const char *file) {
    if (result == kProfileWriteFailed) ShowMessage(owner, kMsgWriteFailed, file);
    if (result == kProfileBusy && FirstBusyNoticeOfCommand())
        ShowMessage(owner, kMsgSettingsBusy, file);
}
