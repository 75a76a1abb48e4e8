#include "setfile_text.h"

#include "colfile_text.h"
#include "theme_text.h"

SetFileForm SetFileFormOf(const char *text) {
    switch (DetectColorSetForm(text)) {
    case kFormCurrent:
        return kSetFileCurrent;
    case kFormLegacy:
        return kSetFileLegacy;
    case kFormNeither:
        break;
    }
    return IsThemeText(text) ? kSetFileTheme : kSetFileNone;
}

SetFileForm SetFileFormForName(const char *path) { return HasThemeExtension(path) ? kSetFileTheme : kSetFileCurrent; }

SetFileColorsResult SetFileColorsFromText(const char *text, const WholeColorSet &base, WholeColorSet *set,
                                          int *badLines) {
    *badLines = 0;
    *set = base;
    if (SetFileFormOf(text) == kSetFileTheme)
        return ThemeColorsFromText(text, base, set) > 0 ? kSetColorsRead : kSetColorsNoneNamed;
    ColorSet part;
    switch (ColorsFromText(text, ColorSetPart(base), &part, badLines)) {
    case kColorsNotColorSet:
        return kSetColorsNotColorSet;
    case kColorsNoList:
        return kSetColorsNoList;
    case kColorsRead:
        break;
    }
    for (int i = 0; i < kElementCount; i++) set->value[i] = part.value[i];
    return kSetColorsRead;
}
