// The name rules of Save As and Add: what a typed name becomes, what a
// typed pattern changes, and what each edition's save writes.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "core/savename.h"
#include "test_support.h"

namespace {

using SaveNameTest = ShiftJisTest;

const char *DecisionName(SaveNameDecision d) {
    switch (d) {
    case kSaveNameEmpty: return "empty";
    case kSaveNameWildcard: return "wildcard";
    case kSaveNameDirTooLong: return "directory too long";
    case kSaveNameAsTyped: return "as typed";
    case kSaveNameAddExtension: return "add extension";
    }
    return "?";
}

TEST_F(SaveNameTest, DecideSaveName) {
    const size_t kWorkDir = 129;
    std::string dir128(127, 'd'), dir129(128, 'd');
    dir128 += "\\";
    dir129 += "\\";
    struct Case {
        std::string name;
        SaveNameDecision expected;
    } cases[] = {
        {"", kSaveNameEmpty},
        {"sunset", kSaveNameAddExtension},
        {"sunset.txt", kSaveNameAsTyped},
        {"a.b\\c", kSaveNameAddExtension},  // the last '.' lies before the last '\'
        {"C:\\COLORS\\mine", kSaveNameAddExtension},
        {"C:mine", kSaveNameAddExtension},
        {".col", kSaveNameAsTyped},
        {"*.col", kSaveNameWildcard},
        {"a?.col", kSaveNameWildcard},
        {"dir*\\x.col", kSaveNameWildcard},
        {"夕日ソ表", kSaveNameAddExtension},  // trail bytes 0x5C are no separator
        {"表\\x", kSaveNameAddExtension},
        {dir128 + "x", kSaveNameAddExtension},  // the directory fills WorkDir
        {dir129 + "x", kSaveNameDirTooLong},
        {std::string(300, 'n'), kSaveNameAddExtension},  // a long name is the writer's to refuse
    };
    for (const Case &c : cases) {
        SaveNameDecision got = DecideSaveName(c.name.c_str(), kWorkDir);
        EXPECT_EQ(c.expected, got) << "\"" << c.name << "\": expected " << DecisionName(c.expected) << ", got "
                                   << DecisionName(got);
    }
}

TEST_F(SaveNameTest, HasWildcard) {
    struct Case {
        const char *text;
        bool expected;
    } cases[] = {{"", false}, {"abc", false}, {"*", true}, {"a?c", true}, {"ソ表", false}, {"ソ*", true}, {"表?", true}};
    for (const Case &c : cases) EXPECT_EQ(c.expected, HasWildcard(c.text)) << "\"" << c.text << "\"";
}

TEST_F(SaveNameTest, AdoptFilterExtension) {
    struct Case {
        const char *filter;
        bool adopted;
        const char *defaultExt;  // afterwards, starting from ".col"
    } cases[] = {
        {"*.txt", true, ".txt"},
        {"*.*", false, ".col"},
        {"*.c?l", false, ".col"},
        {"*", false, ".col"},
        {"", false, ".col"},
        {"a.b.c", true, ".b.c"},  // from the first '.'
        {"*.", true, "."},
        {"*.123456", true, ".123456"},     // 7 bytes fill DefaultExt
        {"*.1234567", false, ".col"},      // 8 do not: unchanged, never cut
        {"*.表", true, ".表"},
        {"x*.ソ?", false, ".col"},
    };
    for (const Case &c : cases) {
        char defaultExt[8] = ".col";
        EXPECT_EQ(c.adopted, AdoptFilterExtension(c.filter, defaultExt, sizeof defaultExt)) << c.filter;
        EXPECT_STREQ(c.defaultExt, defaultExt) << c.filter;
    }
}

const char *SplitName(PatternSplit s) {
    switch (s) {
    case kPatternSplit: return "split";
    case kPatternDirTooLong: return "directory too long";
    case kPatternFilterTooLong: return "filter too long";
    case kPatternExtTooLong: return "extension too long";
    }
    return "?";
}

TEST_F(SaveNameTest, SplitTypedPattern) {
    std::string dir128 = std::string(127, 'd') + "\\", dir129 = std::string(128, 'd') + "\\";
    struct Case {
        std::string text;
        PatternSplit expected;
        std::string dir, filter;
    } cases[] = {
        {"*.txt", kPatternSplit, "", "*.txt"},
        {"sub\\*.col", kPatternSplit, "sub\\", "*.col"},
        {"..\\*.col", kPatternSplit, "..\\", "*.col"},
        {"C:*.col", kPatternSplit, "C:", "*.col"},
        {"C:\\a\\b\\x?.c", kPatternSplit, "C:\\a\\b\\", "x?.c"},
        {"表ソ\\*.col", kPatternSplit, "表ソ\\", "*.col"},
        {"表ソ*.col", kPatternSplit, "", "表ソ*.col"},
        {"abcdefghijkl*.c", kPatternSplit, "", "abcdefghijkl*.c"},  // 15 bytes fill FileFilter
        {"abcdefghijklm*.c", kPatternFilterTooLong, "", ""},
        {"*.123456", kPatternSplit, "", "*.123456"},
        {"*.1234567", kPatternExtTooLong, "", ""},
        {"*.12345?7", kPatternSplit, "", "*.12345?7"},  // never adopted, so never too long
        {dir128 + "*.col", kPatternSplit, dir128, "*.col"},  // fills WorkDir
        {dir129 + "*.col", kPatternDirTooLong, "", ""},
    };
    for (const Case &c : cases) {
        char dir[129] = "old dir", filter[16] = "old";
        PatternSplit got = SplitTypedPattern(c.text.c_str(), dir, sizeof dir, filter, sizeof filter, 8);
        EXPECT_EQ(c.expected, got) << "\"" << c.text << "\": expected " << SplitName(c.expected) << ", got "
                                   << SplitName(got);
        EXPECT_EQ(c.dir, dir) << c.text;
        EXPECT_EQ(c.filter, filter) << c.text;
    }
}

TEST(SaveName, OkRequestFor) {
    struct Case {
        bool hasText;
        int state;
        int request;
    } cases[] = {{true, 1, 0}, {true, 0, 2}, {false, 0, 1}, {false, 1, 2}};
    for (const Case &c : cases)
        EXPECT_EQ(c.request, OkRequestFor(c.hasText, c.state)) << "text " << c.hasText << ", state " << c.state;
}

TEST_F(SaveNameTest, DirectoryPatternAndImportDestination) {
    struct Case {
        const char *first, *second;
        size_t cap;
        bool fits;
        const char *pattern;      // DirectoryPattern(first, second)
        const char *destination;  // ImportDestination(first, second)
    } cases[] = {
        {"SUB\\", "*.col", 132, true, "SUB\\*.col", "SUB\\*.col"},
        {"C:", "*.col", 132, true, "C:*.col", "C:*.col"},
        {"C:\\LV\\", "D:\\far\\a.col", 132, true, "C:\\LV\\D:\\far\\a.col", "C:\\LV\\a.col"},
        {"C:\\LV\\", "表\\ソ.col", 132, true, "C:\\LV\\表\\ソ.col", "C:\\LV\\ソ.col"},
        {"C:\\LV\\", "x.col", 12, true, "C:\\LV\\x.col", "C:\\LV\\x.col"},  // 11 bytes
        {"C:\\LV\\", "xy.col", 12, false, "", ""},
    };
    for (const Case &c : cases) {
        std::vector<char> out(c.cap + 1, 'Z');
        EXPECT_EQ(c.fits, DirectoryPattern(c.first, c.second, out.data(), c.cap)) << c.first << c.second;
        EXPECT_STREQ(c.pattern, out.data());
        EXPECT_EQ('Z', out[c.cap]) << "written beyond the buffer";
        EXPECT_EQ(c.fits, ImportDestination(c.first, c.second, out.data(), c.cap)) << c.first << c.second;
        EXPECT_STREQ(c.destination, out.data());
        EXPECT_EQ('Z', out[c.cap]);
    }
}

}  // namespace
