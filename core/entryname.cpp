#include "entryname.h"

#include "mbtext.h"

EntryKind EntryKindOf(const char *entry) {
    return entry[0] == '(' ? kFileEntry : entry[0] == '[' ? kSystemEntry : kOtherEntry;
}

bool FileEntryName(const char *entry, char *name, size_t cap) {
    if (EntryKindOf(entry) != kFileEntry) return false;
    const char *tab = FindChar(entry + 1, '\t');
    // File names cannot hold a TAB, so the ")" right before the first TAB
    // closes the name, whatever ")" the name itself contains.
    if (!tab || tab - entry < 2 || tab[-1] != ')') return false;
    return CopyBytes(name, cap, entry + 1, (size_t)(tab - 1 - (entry + 1)));
}

const char *SchemeEntryName(const char *entry) {
    if (EntryKindOf(entry) != kSystemEntry) return nullptr;
    const char *tab = FindChar(entry + 1, '\t');
    return tab ? tab + 1 : nullptr;
}
