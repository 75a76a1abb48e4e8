// The parts of a scheme list entry: a file entry is "(" name ")" TAB title,
// a system entry "[SYSTEM]" TAB scheme name. Pure.
#pragma once
#include <stddef.h>

// What kind an entry is, by its first character: "(" a file entry, "[" a
// system entry (whatever follows).
enum EntryKind { kFileEntry, kSystemEntry, kOtherEntry };
EntryKind EntryKindOf(const char *entry);

// The text between a file entry's leading "(" and the ")" that stands right
// before its first TAB. False for other entries and names that do not fit.
bool FileEntryName(const char *entry, char *name, size_t cap);
// The scheme's name in an entry that begins with "[": the text after its
// first TAB. Null for other entries and entries without a TAB.
const char *SchemeEntryName(const char *entry);
