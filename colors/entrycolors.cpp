#include "entrycolors.h"

#include "../core/colfile_text.h"
#include "../core/entryname.h"
#include "../core/mbtext.h"
#include "../core/setfile_text.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../platform/win32.h"
#include "schemes.h"
#include "setfile.h"
#include "textfile.h"

bool ReadEntryColors(const char *entry, EntryColors *out) {
    out->inPlace = false;
    out->text.clear();
    out->path[0] = '\0';
    const char *scheme = SchemeEntryName(entry);
    if (scheme) {
        if (!CopyText(out->name, sizeof out->name, scheme) || !ReadScheme(AllKept, &out->colors, scheme)) return false;
        out->whole = WholeOf(out->colors);
        return true;
    }
    if (!FileEntryName(entry, out->name, sizeof out->name) ||
        !ListedFilePathOrTell(out->name, out->path, sizeof out->path))
        return false;
    WaitCursor wait;
    FileText file;
    if (!LoadSetFileText(out->path, &file, kMsgInternalNotFound) ||
        !SetFileColors(file.text, out->path, WholeKept, &out->whole))
        return false;
    out->colors = ColorSetPart(out->whole);
    out->text = file.text;
    out->inPlace = SetFileFormOf(file.text) == kSetFileCurrent;
    return true;
}

bool SaveEntryColors(HWND owner, EntryColors *entry, const ColorSet &edited) {
    std::string onDisk, patched;
    {
        WaitCursor wait;
        FileText file;
        onDisk = LoadWholeFile(entry->path, &file) == kFileRead ? file.text : entry->text;
    }
    if (onDisk != entry->text &&
        ShowMessage(owner, kMsgChangedOnDisk, entry->path, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    // Written into the file as it is now: only the colors changed here change.
    if (!PatchColorSetText(onDisk, entry->colors, edited, &patched)) {
        ShowMessage(nullptr, kMsgSaveFailed, entry->path, MB_OK | MB_ICONHAND);  // no longer a color-set file
        return false;
    }
    if (!WriteComposedText(entry->path, kComposed, patched)) return false;
    entry->text = patched;
    entry->colors = edited;
    return true;
}
