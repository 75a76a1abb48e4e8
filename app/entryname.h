// The file name inside a scheme list entry. Pure.
#pragma once
#include <stddef.h>

// The text between a file entry's leading "(" and the ")" that stands right
// before its first TAB. False for other entries and names that do not fit.
bool FileEntryName(const char *entry, char *name, size_t cap);
