// Reading the entries of a list box.
#pragma once
#include <windows.h>
#include <stddef.h>

// The text of entry index; false when it does not fit (never cut).
bool GetListEntry(HWND list, int index, char *out, size_t cap);
// The text of the selected entry; false when none is selected or it does
// not fit.
bool GetSelectedListEntry(HWND list, char *out, size_t cap);
// Selects the entry that is text, or with prefix true the first that begins
// with it (ASCII letters in any case). False, the selection as it was, when
// there is none.
bool SelectListEntry(HWND list, const char *text, bool prefix);
