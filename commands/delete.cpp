#include "delete.h"

#include "../core/capacity.h"
#include "../core/entryname.h"
#include "../core/mbtext.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../platform/win32.h"

void DeleteColorSetCommand(const CommandArgs &args) {
    if (!args.entry) return;
    // Only a file entry names a file; any other entry asks, then cannot be
    // deleted.
    char path[kPathCap];
    char name[kPathCap];
    bool isFile = FileEntryName(args.entry, name, sizeof name) && GetProgramDir(path, kModulePathLimit) &&
                  AppendText(path, sizeof path, name);
    if (ShowMessage(args.owner, kMsgDeleteQuestion, args.entry) != IDYES) return;
    if (!isFile || !DeleteFileNamed(path)) ShowMessage(args.owner, kMsgCantDelete, nullptr);
}
