// The choice of edition and the .col association.
#include <gtest/gtest.h>

#include <string.h>

#include "core/edition.h"

namespace {

TEST(ChooseEdition, CharsetAndBaseName) {
    struct Case {
        unsigned charset;
        const char *baseName;
        int edition;
    } cases[] = {
        {128, "LUMVAN32", 0},
        {128, "lumvan32", 0},
        {128, "LumVan32", 0},
        {128, "LUMVAN32A", 1},
        {128, "LUMVAN3", 1},
        {128, "VELTINA", 1},
        {128, "", 1},
        {0, "LUMVAN32", 2},    // ANSI
        {1, "lumvan32", 2},    // default
        {129, "LUMVAN32", 2},  // Hangul
        {136, "LUMVAN32A", 2},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.edition, ChooseEdition(c.charset, c.baseName))
            << "charset " << c.charset << ", base name \"" << c.baseName << "\"";
}

TEST(AssociationIsOurs, LeadingPartOfTheBuiltValue) {
    const char *built = "LUMVAN32.exe ^.col";
    struct Case {
        const char *stored;
        bool ours;
    } cases[] = {
        {"LUMVAN32.exe ^.col", true},
        {"LUMVAN32.exe", true},  // a leading part is kept
        {"L", true},
        {"lumvan32.exe ^.col", false},  // differs in case: rewritten
        {"", false},                    // nothing stored: written
        {"LUMVAN32.exe ^.col ", false},  // longer: rewritten
        {"LUMVAN32.exe ^.colx", false},
        {"LUMVAN32A.exe ^.col", false},
        {"OTHER.exe ^.col", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.ours, AssociationIsOurs(c.stored, built)) << "stored \"" << c.stored << "\"";
}

TEST(BuildAssociationValue, BaseNameAndCommand) {
    struct Case {
        const char *baseName;
        size_t cap;
        bool ok;
        const char *value;
    } cases[] = {
        {"LUMVAN32", 130, true, "LUMVAN32.exe ^.col"},
        {"LUMVAN32", 19, true, "LUMVAN32.exe ^.col"},  // fits exactly
        {"LUMVAN32", 18, false, ""},
        {"LUMVAN32", 5, false, ""},  // not even the base name fits
        {"", 11, true, ".exe ^.col"},
    };
    for (const Case &c : cases) {
        char out[140];
        memset(out, 'Z', sizeof out);
        out[c.cap] = '\0';  // a marker right after the buffer
        out[c.cap + 1] = 'M';
        bool ok = BuildAssociationValue(c.baseName, out, c.cap);
        EXPECT_EQ(c.ok, ok) << "\"" << c.baseName << "\" into " << c.cap;
        if (c.ok) {
            EXPECT_STREQ(c.value, out) << "\"" << c.baseName << "\" into " << c.cap;
        }
        EXPECT_EQ('M', out[c.cap + 1]) << "written beyond the buffer";
    }
}

}  // namespace
