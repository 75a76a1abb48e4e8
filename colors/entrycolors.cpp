#include "entrycolors.h"

#include <string.h>

#include "../core/colfile_text.h"
#include "../core/entryname.h"
#include "../core/mbtext.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../platform/win32.h"
#include "colfile.h"
#include "schemes.h"

// Save rewrites a file only when its patch keeps every other byte: a
// current-form text as it lies on disk, with no NUL inside (the text
// would end there).
static bool PatchableWhole(const std::string &bytes) {
    return bytes.find('\0') == std::string::npos && DetectColorSetForm(bytes.c_str()) == kFormCurrent;
}

bool ReadEntryColors(const char *entry, EntryColors *out) {
    out->inPlace = false;
    out->text.clear();
    out->path[0] = '\0';
    const char *scheme = SchemeEntryName(entry);
    out->isFile = !scheme;
    if (scheme) return CopyText(out->name, sizeof out->name, scheme) && ReadScheme(AllKept, &out->colors, scheme);
    if (!FileEntryName(entry, out->name, sizeof out->name) ||
        !ListedFilePathOrTell(out->name, out->path, sizeof out->path))
        return false;
    WaitCursor wait;
    FileText file;
    if (!LoadColorSetText(out->path, &file, kMsgInternalNotFound) ||
        !ColorsOfColorSetText(file.text, out->path, AllKept, &out->colors))
        return false;
    out->text.assign(file.text, file.size);
    out->inPlace = !file.converted && PatchableWhole(out->text);
    return true;
}

bool TakeSavedFile(EntryColors *entry, const char *path, const ColorSet &colors) {
    FileText file;
    if (LoadWholeFile(path, &file) != kFileRead || !CopyText(entry->path, sizeof entry->path, path)) return false;
    CopyTextCut(entry->name, sizeof entry->name, FileNamePart(path));
    entry->isFile = true;
    entry->text.assign(file.text, file.size);
    entry->inPlace = PatchableWhole(entry->text);
    entry->colors = colors;
    return true;
}

EntrySave SaveEntryColors(HWND owner, EntryColors *entry, const ColorSet &edited) {
    std::string onDisk;
    FileReadResult read;
    {
        WaitCursor wait;
        FileText file;
        read = LoadWholeFile(entry->path, &file);
        if (read == kFileRead) onDisk.assign(file.text, file.size);
    }
    if (read == kFileRead && onDisk != entry->text &&
        ShowMessage(owner, kMsgChangedOnDisk, entry->path, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return kEntryNotSaved;
    if (read != kFileRead && FileExists(entry->path)) {  // there, but it cannot be read
        ShowMessage(nullptr, kMsgSaveFailed, entry->path, MB_OK | MB_ICONHAND);
        return kEntryNotSaved;
    }
    if (read != kFileRead) {  // removed meanwhile: written again from what the editor read
        if (ShowMessage(owner, kMsgGoneFromDisk, entry->path, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return kEntryNotSaved;
        onDisk = entry->text;
    }
    // Written into the file as it is now: only the colors changed here change.
    std::string patched;
    if (!PatchableWhole(onDisk) || !PatchColorSetText(onDisk, entry->colors, edited, &patched))
        return kEntryNeedsSaveAs;
    if (!WriteComposedText(entry->path, kComposed, patched)) return kEntryNotSaved;
    entry->text = patched;
    entry->colors = edited;
    return kEntrySaved;
}
