// Which of the three editions runs, and the .col association value.
// Pure code.
#pragma once
#include <stddef.h>

enum Edition { kEditionPrimary = 0, kEditionSibling = 1, kEditionEnglish = 2 };
enum { kShiftJisCharset = 128 };

// 0 for a Shift-JIS system font and the name LUMVAN32 (any case), 1 for a
// Shift-JIS font and any other name, 2 for every other character set.
int ChooseEdition(unsigned charset, const char *baseName);
// The string-table id of the edition's display name.
int EditionTitleId(int edition);
// BaseName followed by ".exe ^.col". False when it does not fit.
bool BuildAssociationValue(const char *baseName, char *out, size_t cap);
// True when the stored value is non-empty and a leading part of the built
// value (a case-sensitive byte comparison): the association is kept.
bool AssociationIsOurs(const char *stored, const char *built);
