#include "install.h"

#include "../colors/setfile.h"
#include "../colors/schemes.h"
#include "../core/capacity.h"
#include "../core/entryname.h"
#include "../core/scheme_codec.h"
#include "../messages/msgbox.h"
#include "../platform/listbox.h"
#include "../state/appstate.h"

InstallOutcome InstallFileEntry(const char *entry) {
    char key[kPathCap];
    if (!FileEntryName(entry, key, sizeof key)) return kInstallSkipped;
    if (!IsStorableSchemeName(key)) {
        // Written anyway it would land as another key, a section or a
        // comment, and could never be listed or applied by its name.
        ShowMessage(g_app.MainWindow, kMsgUnstorableName, key);
        return kInstallSkipped;
    }
    char path[kPathCap];
    if (!ListedFilePathOrTell(key, path, sizeof path)) return kInstallSkipped;
    ColorSet colors;
    if (!ReadColorSetColors(&colors, path)) return kInstallSkipped;
    return WriteScheme(colors, key);
}

void InstallSelectedCommand(const CommandArgs &args) {
    if (!args.entry) return;
    if (EntryKindOf(args.entry) == kSystemEntry) {
        ShowMessage(g_app.MainWindow, kMsgSystemScheme, nullptr);
        return;
    }
    InstallFileEntry(args.entry);
}

void InstallAllCommand(const CommandArgs &args) {
    if (!args.list) return;
    ShowMessage(g_app.MainWindow, kMsgInstallAll, nullptr);
    int count = (short)SendMessageA(args.list, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR) return;
    for (int i = 0; i < count; i++) {
        char entry[kLineCap];
        if (!GetListEntry(args.list, i, entry, sizeof entry) || EntryKindOf(entry) != kFileEntry) continue;
        if (InstallFileEntry(entry) == kInstallStopAll) return;
    }
}
