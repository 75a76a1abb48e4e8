// Delete Color Set and Fix With Current Color.
#include <string.h>

#include "../app/globals.h"
#include "../app/listentry.h"
#include "../colors/syscolors.h"
#include "../platform/mbtext.h"
#include "../platform/win32.h"
#include "../resources/messages.h"
#include "../resources/resource.h"
#include "../resources/strings.h"
#include "commands.h"

void DeleteColorSetCommand(HWND owner) {
    if (!g_app.PanelWindow) return;
    HWND list = GetDlgItem(g_app.PanelWindow, IDC_SCHEME_LIST);
    int index = (int)SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    char entry[kListEntryCap];
    if (!GetListEntry(list, index, entry, sizeof entry)) return;
    // Only a file entry names a file; any other entry asks, then cannot be
    // deleted.
    char path[kPathCap];
    char name[kPathCap];
    bool isFile = FileEntryName(entry, name, sizeof name) && GetProgramDir(path, kModulePathLimit) &&
                  AppendText(path, sizeof path, name);
    char question[kMessageCap];
    ComposeMessage(kMsgDeleteQuestion, g_app.edition, entry, question, sizeof question);
    if (ShowTitledMessage(owner, question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    if (!isFile || !DeleteFileNamed(path)) ShowTitledMessage(owner, kTextCantDelete, MB_OK);
}

void FixWithCurrentColorCommand(HWND owner) {
    char text[kRunCap];
    LoadStringRun(g_app.edition == 2 ? IDS_FIX_ENGLISH_1 : IDS_FIX_JAPANESE_1, text, sizeof text);
    if (ShowTitledMessage(owner, text, MB_YESNO) != IDYES) return;
    ColorSet colors;
    CaptureColors(&colors);
    bool colorsWritten = WriteColorsToWinIni(colors);
    bool schemeCleared = ClearCurrentScheme();
    if (!colorsWritten) ShowNamedMessage(owner, kMsgWriteFailed, "win.ini", MB_OK | MB_ICONHAND);
    if (!schemeCleared) ShowNamedMessage(owner, kMsgWriteFailed, "control.ini", MB_OK | MB_ICONHAND);
}
