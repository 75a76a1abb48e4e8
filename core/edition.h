// The three editions: which one runs, and everything that differs between
// them, in one table. Pure code.
#pragma once
#include <stddef.h>

enum Edition { kEditionPrimary = 0, kEditionSibling = 1, kEditionEnglish = 2, kEditionCount = 3 };
enum { kShiftJisCharset = 128 };

// The title fields of an edition's Save As dialog, and so the title
// sections that its saves write.
struct TitleFields {
    bool primary;  // [LUMIVANE]
    bool sibling;  // [VELTINA]
    bool english;  // [ENGLISH]
};

struct EditionProfile {
    bool english;         // English texts and messages, else Japanese ones
    int titleStringId;    // TitleString: the caption of the window and boxes
    const char *menu;     // the main window's menu
    const char *panelTemplate;
    const char *saveAsTemplate;
    const char *addTemplate;
    const char *editorTemplate;  // added beside the original dialogs: the color-set editor
    const char *listMenu;        // and the list's context menu
    TitleFields saveAsTitles;
    // The title sections tried, in this order, for a file's title; the
    // first one found gives it. Null ends the list.
    const char *titleSections[3];
    bool titleOfLegacyFiles;  // a legacy file's second line is its title
    int fixQuestionRun;       // the first string of Fix's question
    int aboutRun;             // the first string of the About text
    bool showsLogo;           // the logo opens before the About text
    bool playsGreeting;       // the greeting leads to the About text
};

extern const EditionProfile kEditions[kEditionCount];

// The primary edition for a Shift-JIS system font and the name LUMVAN32
// (any case), the sibling one for a Shift-JIS font and any other name, the
// English one for every other character set.
Edition ChooseEdition(unsigned charset, const char *baseName);
// The string-table id of a text the program adds beside its original strings:
// the English id in the English edition, the Japanese one above it in the
// others.
int EditionStringId(int englishId, Edition edition);
// The base name followed by ".exe ^.col". False when it does not fit.
bool BuildAssociationValue(const char *baseName, char *out, size_t cap);
// True when the stored value is non-empty and a leading part of the built
// value (a case-sensitive byte comparison): the association is kept.
bool AssociationIsOurs(const char *stored, const char *built);
