// Reading entries of a list box, and the parts of a scheme list entry.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "entryname.h"

enum { kListEntryCap = 260 };  // system entries are built in 260 bytes

// ProgramDir followed by the name of a listed file. A path that does not fit
// is refused with the reader's not-found message, never cut.
bool ListedFilePath(const char *name, char *path, size_t cap);

// The text of entry index; false when it does not fit (never cut).
bool GetListEntry(HWND list, int index, char *out, size_t cap);
