// Paths and names: text helpers, the argument text, list entries, the Add dialog's patterns and the editions. Bounded
// copies are the fuzzer's; Save As names and the association are tried in the dialogs and at start-up. ソ (83 5C) and
// 表 (95 5C) end in the byte of '\'.
#include "core/argtext.h"
#include "core/edition.h"
#include "core/entryname.h"
#include "core/savename.h"
#include "test_support.h"

TEST_F(ShiftJisTest, PathParts) {
    struct { int codePage; const char *path; long slash; const char *file; bool extension, endsInSlash; } cases[] = {
        // code page  path                      FindChar '\'  file name     extension  ends in '\'
        {932,         "C:\\LV\\a.b.c",          2,            "a.b.c",      true,      false},
        {932,         "C:a.b:c",                -1,           "c",          false,     false},
        {932,         "a.b\\c",                 3,            "c",          false,     false},
        {932,         "ソ\\表",                   2,            "表",          false,     false},
        {932,         "a.ソ",                    -1,           "a.ソ",        true,      false},
        {932,         "C:\\表\\",                 2,            "",           false,     true},
        {932,         "C:\\\x83",               2,            "\x83",       false,     false},  // a lone lead byte
        {1252,        "C:\\ソ",                  2,            "",           false,     true},   // byte by byte
        {0,           "C:\\ソ",                  2,            "",           false,     true},   // a stepper that stalls
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        c.codePage ? SetTextCodePage(c.codePage) : SetNextCharFunction([](const char *p) { return p; });
        const char *at = FindChar(c.path, '\\');
        EXPECT_EQ(c.slash, at ? at - c.path : -1) << "row " << i;
        EXPECT_STREQ(c.file, FileNamePart(c.path)) << "row " << i;
        EXPECT_EQ(c.extension, HasExtension(c.path)) << "row " << i;
        EXPECT_EQ(c.endsInSlash, EndsWithChar(c.path, '\\')) << "row " << i;
    }
}

TEST_F(ShiftJisTest, NameEndings) {
    struct { int codePage; const char *name, *ending; bool ends; } cases[] = {
        {932,  "Sea.COL",   ".col",   true},
        {932,  "Sea.colx",  ".col",   false},
        {932,  "col",       ".col",   false},
        {932,  "ソ.Theme",   ".theme", true},
        {932,  "a.表",       "\\",     false},  // the second byte of 表 begins no character
        {1252, "a.表",       "\\",     true},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        SetTextCodePage(cases[i].codePage);
        EXPECT_EQ(cases[i].ends, EndsWithNoCaseAscii(cases[i].name, cases[i].ending)) << "row " << i;
    }
}

TEST_F(ShiftJisTest, BaseNames) {
    struct { const char *path, *module, *file; } cases[] = {  // into 16 bytes; "-": none
        // path                          ModuleBaseName      FileBaseName
        {"C:\\表\\ソ.EXE",                 "ソ",                "ソ"},
        {"C:\\A.B\\PROG",                "A",                "PROG"},  // a module's '.' may stand in a directory
        {"C:\\a.b\\Sea.Theme",           "Sea",              "Sea"},
        {"C:\\T\\ABCDEFGHIJKLMNO.EXE",   "ABCDEFGHIJKLMNO",  "ABCDEFGHIJKLMNO"},
        {"C:\\T\\ABCDEFGHIJKLMNOP.EXE",  "-",                "-"},     // 16 bytes do not fit
        {"C:\\ソ",                        "-",                "ソ"},
        {"",                             "-",                ""},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        char module[16] = "old", file[16] = "old";
        EXPECT_STREQ(cases[i].module, ModuleBaseName(cases[i].path, module, 16) ? module : "-") << "row " << i;
        EXPECT_STREQ(cases[i].file, FileBaseName(cases[i].path, file, 16) ? file : "-") << "row " << i;
    }
}

// The argument text, and whether it is one name in quotes (quotes are bytes no Shift-JIS character holds).
TEST(ArgumentText, SkipsTheProgramNameAndTheCodesUpTo32) {
    struct { const char *commandLine, *argument; bool quotedName; } cases[] = {
        // command line                                       argument text                          one quoted name
        {"\"C:\\Program Files\\LUMVAN32.EXE\" a.col",         "a.col",                               false},
        {"LUMVAN32.EXE\t\x01\x1F \r\na.col",                  "a.col",                               false},
        {"\"unterminated name",                               "",                                    false},
        {"C:\\ソフト\\LUMVAN32.EXE a.col",                      "a.col",                               false},
        {"LUMVAN32.EXE \x7F",                                 "\x7F",                                false},
        {"LUMVAN32.EXE \"C:\\My Files\\a (1).col\"",          "\"C:\\My Files\\a (1).col\"",         true},
        {"LUMVAN32.EXE \"表ソ\\Jungle (256 color).theme\"",     "\"表ソ\\Jungle (256 color).theme\"",    true},
        {"LUMVAN32.EXE \"a.col\" ",                           "\"a.col\" ",                          false},
        {"LUMVAN32.EXE \"a.col",                              "\"a.col",                             false},
        {"LUMVAN32.EXE \"a\"b.col\"",                         "\"a\"b.col\"",                        false},
        {"LUMVAN32.EXE \"\"",                                 "\"\"",                                false},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        EXPECT_STREQ(cases[i].argument, ArgumentText(cases[i].commandLine)) << "row " << i;
        EXPECT_EQ(cases[i].quotedName, IsOneQuotedName(ArgumentText(cases[i].commandLine))) << "row " << i;
    }
}

TEST_F(ShiftJisTest, EntryNames) {
    struct { const char *entry; size_t cap; const char *file, *scheme; } cases[] = {  // "-": none
        // entry               cap  file name   scheme name
        {"(a)b.col)\tT",       16,  "a)b.col",  "-"},
        {"(表.col)\tT\tU",      16,  "表.col",    "-"},
        {"(abcdef)\tT",        7,   "abcdef",   "-"},
        {"(abcdef)\tT",        6,   "-",        "-"},  // refused, never cut
        {"(a.col)",            16,  "-",        "-"},
        {"(a.col\tT",          16,  "-",        "-"},
        {"[SYSTEM]\tソ表\tx",    16,  "-",        "ソ表\tx"},
        {"[SYSTEM]",           16,  "-",        "-"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        std::vector<char> name(c.cap);
        EXPECT_STREQ(c.file, FileEntryName(c.entry, name.data(), c.cap) ? name.data() : "-") << "row " << i;
        EXPECT_STREQ(c.scheme, SchemeEntryName(c.entry) ? SchemeEntryName(c.entry) : "-") << "row " << i;
    }
}

// What Save As proposes for an entry the editor edits.
TEST_F(ShiftJisTest, EntrySaveName) {
    struct { const char *name; bool isFile; const char *proposed; } cases[] = {  // "-": none
        // name          file    proposed
        {"a.theme",      true,   "a.theme"},
        {"old.txt",      true,   "old.col"},
        {"ソ表",          false,  "ソ表.col"},  // 0x5C as a trail byte is no separator
        {"High/Low",     false,  "-"},
        {"tab\there",    false,  "-"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        char out[32];
        bool made = EntrySaveName(cases[i].name, cases[i].isFile, out, sizeof out);
        EXPECT_STREQ(cases[i].proposed, made ? out : "-") << "row " << i;
    }
}

static const std::string kDir129 = std::string(128, 'd') + "\\";

TEST_F(ShiftJisTest, SplitTypedPattern) {
    struct { std::string text; PatternSplit result; std::string dir, filter; } cases[] = {
        // typed                result                 directory  filter
        {"表ソ\\*.col",           kPatternSplit,         "表ソ\\",    "*.col"},
        {"C:*.c?l",             kPatternSplit,         "C:",      "*.c?l"},
        {kDir129 + "*.col",     kPatternDirTooLong,    "",        ""},
        {"abcdefghijklm*.c",    kPatternFilterTooLong, "",        ""},
        {"*.1234567",           kPatternExtTooLong,    "",        ""},
        {"*.12345?7",           kPatternSplit,         "",        "*.12345?7"},  // never adopted, so never too long
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        char dir[129] = "old", filter[16] = "old";
        EXPECT_EQ(c.result, SplitTypedPattern(c.text.c_str(), dir, sizeof dir, filter, sizeof filter, 8))
            << "row " << i;
        EXPECT_EQ(c.dir + "|" + c.filter, std::string(dir) + "|" + filter) << "row " << i;
    }
}

TEST(Edition, ChooseEdition) {
    struct { unsigned charset; const char *baseName; Edition edition; } cases[] = {
        // font charset  base name     edition
        {128,            "LUMVAN32",   kEditionPrimary},
        {128,            "lumVan32",   kEditionPrimary},
        {128,            "LUMVAN32A",  kEditionSibling},
        {128,            "",           kEditionSibling},
        {0,              "LUMVAN32",   kEditionEnglish},
        {129,            "LUMVAN32",   kEditionEnglish},
    };
    for (size_t i = 0; i < std::size(cases); i++)
        EXPECT_EQ(cases[i].edition, ChooseEdition(cases[i].charset, cases[i].baseName)) << "row " << i;
}
