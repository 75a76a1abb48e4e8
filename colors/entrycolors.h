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
    bool inPlace;           // a current-form color-set file: saved into itself
    char name[kLineCap];    // the file's or the scheme's name
    char path[kFullPathCap];  // a file entry's file
    std::string text;       // the file's text as read, in the system code page
    ColorSet colors;        // as the entry holds them
    WholeColorSet whole;    // every color the entry holds (a theme's all), the others kept
};

// Reads an entry of the list, showing the readers' messages. False when it
// holds no colors to edit.
bool ReadEntryColors(const char *entry, EntryColors *out);
// Writes the edited colors into the color-set file the entry was read from,
// each line of an element that changed rewritten (or added) and every other
// byte kept, through a temporary file and one rename. A file changed on
// disk meanwhile is overwritten only after a question (owned by owner).
// False after the cannot-save message, or when the user said No.
bool SaveEntryColors(HWND owner, EntryColors *entry, const ColorSet &edited);
