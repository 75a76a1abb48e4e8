// The colors of one entry of the scheme list as the color-set editor edits
// them: a color-set file of either form, a theme, or a control-panel scheme.
// An element the entry does not name is kept (-1): it keeps the desktop's
// color, and stays so until it is given one.
#pragma once
#include <windows.h>

#include <string>

#include "../core/capacity.h"
#include "../core/colorset.h"

struct EntryColors {
    bool inPlace;           // a .col file or a theme Save patches whole: saved into itself
    bool isFile;            // a file entry (else a control-panel scheme)
    unsigned holds;         // the ElementHolder bit of its kind: every element it can hold
    char name[kLineCap];    // the file's or the scheme's name
    char path[kFullPathCap];  // a file entry's file
    std::string bytes;      // the file's bytes as read (every one of them)
    std::string text;       // the same in the system code page (a theme read from UTF-8 or UTF-16 converted)
    WholeColorSet colors;   // as the entry holds them; an element its kind does not hold is kept
};

// Reads an entry of the list, showing the readers' messages. False when it
// holds no colors to edit.
bool ReadEntryColors(const char *entry, EntryColors *out);
// The entry becomes the file at path, as it is on disk now, holding colors.
// False, the entry unchanged, when it cannot be read.
bool TakeSavedFile(EntryColors *entry, const char *path, const WholeColorSet &colors);
// The entry's text with the edited colors written into it, every other byte
// kept: what Save and Save As write into a file of the entry's own form.
// False when the entry is no file of either form.
bool PatchedEntryText(const EntryColors &entry, const WholeColorSet &edited, std::string *out);

// What Save came to.
enum EntrySave {
    kEntrySaved,
    kEntryNotSaved,      // the user said No, or the write failed (after its message)
    kEntryNeedsSaveAs,   // the file on disk cannot be patched whole: it is left as it is
};
// Writes the edited colors into the file the entry was read from, each
// line of an element that changed rewritten (or added) and every other byte
// kept, through a temporary file and one rename. A file changed on disk
// meanwhile, or removed, is written only after a question (owned by owner).
EntrySave SaveEntryColors(HWND owner, EntryColors *entry, const WholeColorSet &edited);
