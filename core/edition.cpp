#include "edition.h"

#include <string.h>

#include "resource.h"
#include "colfile_text.h"
#include "mbtext.h"

const EditionProfile kEditions[kEditionCount] = {
    // The primary Japanese edition.
    {false, IDS_TITLE_PRIMARY, LV_RESOURCE(LVRES_MENU_JAPANESE), LV_RESOURCE(LVRES_PANEL_JAPANESE),
     LV_RESOURCE(LVRES_SAVEAS_PRIMARY), LV_RESOURCE(LVRES_ADD_JAPANESE), {true, true, true},
     {kSectionPrimary, kSectionSibling, kSectionEnglish}, true, IDS_FIX_JAPANESE_1, IDS_ABOUT_PRIMARY_1, true, true},
    // The sibling Japanese edition.
    {false, IDS_TITLE_SIBLING, LV_RESOURCE(LVRES_MENU_JAPANESE), LV_RESOURCE(LVRES_PANEL_JAPANESE),
     LV_RESOURCE(LVRES_SAVEAS_SIBLING), LV_RESOURCE(LVRES_ADD_JAPANESE), {false, true, true},
     {kSectionSibling, kSectionEnglish, nullptr}, false, IDS_FIX_JAPANESE_1, IDS_ABOUT_SIBLING_1, true, false},
    // The English edition.
    {true, IDS_TITLE_ENGLISH, LV_RESOURCE(LVRES_MENU_ENGLISH), LV_RESOURCE(LVRES_PANEL_ENGLISH),
     LV_RESOURCE(LVRES_SAVEAS_ENGLISH), LV_RESOURCE(LVRES_ADD_ENGLISH), {false, false, true},
     {kSectionEnglish, nullptr, nullptr}, false, IDS_FIX_ENGLISH_1, IDS_ABOUT_ENGLISH_1, false, false},
};

Edition ChooseEdition(unsigned charset, const char *baseName) {
    if ((charset & 0xFFFF) != kShiftJisCharset) return kEditionEnglish;
    return CompareNoCaseAscii(baseName, "LUMVAN32") == 0 ? kEditionPrimary : kEditionSibling;
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
