// The file name inside a file entry of the scheme list.
#include <gtest/gtest.h>

#include <string.h>

#include "core/entryname.h"
#include "test_support.h"

namespace {

using FileEntryNameTest = ShiftJisTest;

TEST_F(FileEntryNameTest, NameBetweenParenthesesBeforeTheTab) {
    struct Case {
        const char *entry;
        size_t cap;
        bool ok;
        const char *name;
    } cases[] = {
        {"(a)b.col)\tTitle", 132, true, "a)b.col"},
        {"(a)\tx", 132, true, "a"},
        {"(sunset.col)\t夕焼け", 132, true, "sunset.col"},
        {"(表.col)\tTitle", 132, true, "表.col"},
        {"(ソ.col)\t", 132, true, "ソ.col"},
        {"(a.col)\tT\tU", 132, true, "a.col"},  // the first TAB counts
        {"(a.col)\t(b.col)\tU", 132, true, "a.col"},
        {"(abcdef)\tT", 7, true, "abcdef"},  // fits exactly
        {"(abcdef)\tT", 6, false, ""},
        {"(a.col)", 132, false, ""},        // no TAB
        {"a.col)\tT", 132, false, ""},      // no "("
        {"[SYSTEM]\tname", 132, false, ""},
        {"(a.col\tT", 132, false, ""},      // no ")" before the TAB
        {"(a.col) \tT", 132, false, ""},
        {"(\tT", 132, false, ""},
        {"", 132, false, ""},
    };
    for (const Case &c : cases) {
        char name[140];
        memset(name, 'Z', sizeof name);
        bool ok = FileEntryName(c.entry, name, c.cap);
        EXPECT_EQ(c.ok, ok) << "entry \"" << c.entry << "\"";
        if (c.ok) {
            EXPECT_STREQ(c.name, name) << "entry \"" << c.entry << "\"";
        }
        EXPECT_EQ('Z', name[c.cap]) << "entry \"" << c.entry << "\": written beyond the buffer";
    }
}

}  // namespace
