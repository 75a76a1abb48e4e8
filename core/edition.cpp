#include "edition.h"

#include <string.h>

#include "colfile_text.h"
#include "mbtext.h"
#include "resource.h"

const EditionProfile kEditions[kEditionCount] = {
    {
        // The primary Japanese edition.
        .english = false,
        .titleStringId = IDS_TITLE_PRIMARY,
        .menu = LV_RESOURCE(LVRES_MENU_JAPANESE),
        .panelTemplate = LV_RESOURCE(LVRES_PANEL_JAPANESE),
        .saveAsTemplate = LV_RESOURCE(LVRES_SAVEAS_PRIMARY),
        .addTemplate = LV_RESOURCE(LVRES_ADD_JAPANESE),
        .editorTemplate = LV_RESOURCE(LVRES_EDITOR_JAPANESE),
        .listMenu = LV_RESOURCE(LVRES_LISTMENU_JAPANESE),
        .saveAsTitles = {.primary = true, .sibling = true, .english = true},
        .titleSections = {kSectionPrimary, kSectionSibling, kSectionEnglish},
        .titleOfLegacyFiles = true,
        .fixQuestionRun = IDS_FIX_JAPANESE_1,
        .aboutRun = IDS_ABOUT_PRIMARY_1,
        .showsLogo = true,
        .playsGreeting = true,
    },
    {
        // The sibling Japanese edition.
        .english = false,
        .titleStringId = IDS_TITLE_SIBLING,
        .menu = LV_RESOURCE(LVRES_MENU_JAPANESE),
        .panelTemplate = LV_RESOURCE(LVRES_PANEL_JAPANESE),
        .saveAsTemplate = LV_RESOURCE(LVRES_SAVEAS_SIBLING),
        .addTemplate = LV_RESOURCE(LVRES_ADD_JAPANESE),
        .editorTemplate = LV_RESOURCE(LVRES_EDITOR_JAPANESE),
        .listMenu = LV_RESOURCE(LVRES_LISTMENU_JAPANESE),
        .saveAsTitles = {.primary = false, .sibling = true, .english = true},
        .titleSections = {kSectionSibling, kSectionEnglish, nullptr},
        .titleOfLegacyFiles = false,
        .fixQuestionRun = IDS_FIX_JAPANESE_1,
        .aboutRun = IDS_ABOUT_SIBLING_1,
        .showsLogo = true,
        .playsGreeting = false,
    },
    {
        // The English edition.
        .english = true,
        .titleStringId = IDS_TITLE_ENGLISH,
        .menu = LV_RESOURCE(LVRES_MENU_ENGLISH),
        .panelTemplate = LV_RESOURCE(LVRES_PANEL_ENGLISH),
        .saveAsTemplate = LV_RESOURCE(LVRES_SAVEAS_ENGLISH),
        .addTemplate = LV_RESOURCE(LVRES_ADD_ENGLISH),
        .editorTemplate = LV_RESOURCE(LVRES_EDITOR_ENGLISH),
        .listMenu = LV_RESOURCE(LVRES_LISTMENU_ENGLISH),
        .saveAsTitles = {.primary = false, .sibling = false, .english = true},
        .titleSections = {kSectionEnglish, nullptr, nullptr},
        .titleOfLegacyFiles = false,
        .fixQuestionRun = IDS_FIX_ENGLISH_1,
        .aboutRun = IDS_ABOUT_ENGLISH_1,
        .showsLogo = false,
        .playsGreeting = false,
    },
};

Edition ChooseEdition(unsigned charset, const char *baseName) {
    if ((charset & 0xFFFF) != kShiftJisCharset) return kEditionEnglish;
    return CompareNoCaseAscii(baseName, "LUMVAN32") == 0 ? kEditionPrimary : kEditionSibling;
}

int EditionStringId(int englishId, Edition edition) {
    return kEditions[edition].english ? englishId : englishId + IDS_JAPANESE_OFFSET;
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
