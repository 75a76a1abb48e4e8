#include "delete.h"

#include "../colors/setfile.h"
#include "../core/capacity.h"
#include "../core/entryname.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"

void DeleteColorSetCommand(const CommandArgs &args) {
    if (!args.entry) return;
    // Only a file entry names a file; any other entry asks, then cannot be
    // deleted.
    char path[kPathCap];
    char name[kPathCap];
    bool isFile = FileEntryName(args.entry, name, sizeof name) && ListedFilePath(name, path, sizeof path);
    if (ShowMessage(args.owner, kMsgDeleteQuestion, args.entry) != IDYES) return;
    if (!isFile || !DeleteFileNamed(path)) ShowMessage(args.owner, kMsgCantDelete, nullptr);
}
