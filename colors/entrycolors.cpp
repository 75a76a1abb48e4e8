#include "entrycolors.h"

#include "../core/colfile_text.h"
#include "../core/entryname.h"
#include "../core/mbtext.h"
#include "../core/setfile_text.h"
#include "../core/theme_text.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../platform/win32.h"
#include "schemes.h"
#include "setfile.h"
#include "textfile.h"

// Save rewrites a file only when its patch keeps every other byte: a
// current-form .col text or a theme as it lies on disk, with no NUL inside
// (the text would end there).
static bool PatchableWhole(const std::string &bytes) {
    SetFileForm form = SetFileFormOf(bytes.c_str());
    return bytes.find('\0') == std::string::npos && (form == kSetFileCurrent || form == kSetFileTheme);
}

static bool PatchText(const std::string &text, const WholeColorSet &before, const WholeColorSet &after,
                      std::string *out) {
    if (SetFileFormOf(text.c_str()) == kSetFileTheme) return PatchThemeText(text, before, after, out);
    return PatchColorSetText(text, ColorSetPart(before), ColorSetPart(after), out);
}

bool ReadEntryColors(const char *entry, EntryColors *out) {
    out->inPlace = false;
    out->bytes.clear(), out->text.clear();
    out->path[0] = '\0';
    const char *scheme = SchemeEntryName(entry);
    out->isFile = !scheme;
    out->holds = kHeldByColorSetFile;  // a scheme is saved as a color-set file
    if (scheme) {
        ColorSet colors;
        if (!CopyText(out->name, sizeof out->name, scheme) || !ReadScheme(AllKept, &colors, scheme)) return false;
        out->colors = WholeOf(colors);
        return true;
    }
    if (!FileEntryName(entry, out->name, sizeof out->name) ||
        !ListedFilePathOrTell(out->name, out->path, sizeof out->path))
        return false;
    WaitCursor wait;
    FileText file;
    if (!LoadSetFileText(out->path, &file, kMsgInternalNotFound) ||
        !SetFileColors(file.text, out->path, WholeKept, &out->colors))
        return false;
    out->text.assign(file.text, file.size);
    if (SetFileFormOf(file.text) == kSetFileTheme) out->holds = kHeldByTheme;
    FileText raw;
    out->bytes = !file.converted ? out->text : LoadWholeFile(out->path, &raw) == kFileRead
                                                   ? std::string(raw.text, raw.size) : std::string();
    out->inPlace = !file.converted && PatchableWhole(out->bytes);
    return true;
}

bool TakeSavedFile(EntryColors *entry, const char *path, const WholeColorSet &colors) {
    FileText file;
    if (LoadWholeFile(path, &file) != kFileRead || !CopyText(entry->path, sizeof entry->path, path)) return false;
    CopyTextCut(entry->name, sizeof entry->name, FileNamePart(path));
    entry->isFile = true;
    entry->bytes.assign(file.text, file.size);
    entry->text = entry->bytes;
    entry->holds = SetFileFormOf(file.text) == kSetFileTheme ? kHeldByTheme : kHeldByColorSetFile;
    entry->inPlace = PatchableWhole(entry->bytes);
    entry->colors = colors;
    for (int i = 0; i < kSystemColorCount; i++)
        if (!ElementHeldBy(i, entry->holds)) entry->colors.value[i] = kKeepColor;
    return true;
}

bool PatchedEntryText(const EntryColors &entry, const WholeColorSet &edited, std::string *out) {
    return entry.isFile && PatchText(entry.text, entry.colors, edited, out);
}

EntrySave SaveEntryColors(HWND owner, EntryColors *entry, const WholeColorSet &edited) {
    std::string onDisk;
    FileReadResult read;
    {
        WaitCursor wait;
        FileText file;
        read = LoadWholeFile(entry->path, &file);
        if (read == kFileRead) onDisk.assign(file.text, file.size);
    }
    if (read == kFileRead && onDisk != entry->bytes &&
        ShowMessage(owner, kMsgChangedOnDisk, entry->path) != IDYES)
        return kEntryNotSaved;
    if (read != kFileRead && FileExists(entry->path)) {  // there, but it cannot be read
        ShowMessage(nullptr, kMsgSaveFailed, entry->path);
        return kEntryNotSaved;
    }
    if (read != kFileRead) {  // removed meanwhile: written again from what the editor read
        if (ShowMessage(owner, kMsgGoneFromDisk, entry->path) != IDYES)
            return kEntryNotSaved;
        onDisk = entry->bytes;
    }
    // Written into the file as it is now: only the colors changed here change.
    std::string patched;
    if (!PatchableWhole(onDisk) || !PatchText(onDisk, entry->colors, edited, &patched)) return kEntryNeedsSaveAs;
    if (!WriteComposedText(entry->path, kComposed, patched)) return kEntryNotSaved;
    entry->bytes = entry->text = patched;
    entry->colors = edited;
    return kEntrySaved;
}
