#include "edition.h"

#include <string.h>

#include "../platform/mbtext.h"
#include "../resources/resource.h"

int ChooseEdition(unsigned charset, const char *baseName) {
    if ((charset & 0xFFFF) != kShiftJisCharset) return kEditionEnglish;
    return CompareNoCaseAscii(baseName, "LUMVAN32") == 0 ? kEditionPrimary : kEditionSibling;
}

int EditionTitleId(int edition) {
    switch (edition) {
    case kEditionPrimary: return IDS_TITLE_PRIMARY;
    case kEditionSibling: return IDS_TITLE_SIBLING;
    default: return IDS_TITLE_ENGLISH;
    }
}

bool BuildAssociationValue(const char *baseName, char *out, size_t cap) {
    if (!CopyText(out, cap, baseName)) return false;
    if (!AppendText(out, cap, ".exe ^.col")) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool AssociationIsOurs(const char *stored, const char *built) {
    size_t n = strlen(stored);
    return n > 0 && n <= strlen(built) && memcmp(stored, built, n) == 0;
}
