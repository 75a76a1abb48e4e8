// Paths and names: text helpers, bounded copies, the argument text, list entries, the Save As and Add name rules,
// editions and the association. ソ (83 5C) and 表 (95 5C) end in the byte of '\'.
#include "core/argtext.h"
#include "core/edition.h"
#include "core/entryname.h"
#include "core/savename.h"
#include "test_support.h"

TEST_F(ShiftJisTest, PathParts) {
    // cp 0: a platform stepper that never moves. slash: where FindChar finds '\'. dir: the directory part, the file
    // name follows it. ends: with '\'. base: what ModuleBaseName gives in 16 bytes, "-" if refused.
    struct { int cp; const char *path; long slash; const char *dir; bool ext, ends; const char *base; } cases[] = {
        {932, "C:\\LV\\a.b.c", 2, "C:\\LV\\", true, false, "a.b"}, {932, "C:a.b:c", -1, "C:a.b:", false, false, "a"},
        {932, "a.b\\c", 3, "a.b\\", false, false, "a"},           {932, "C:\\ソ", 2, "C:\\", false, false, "-"},
        {932, "ソ\\表", 2, "ソ\\", false, false, "-"},             {932, "a.ソ", -1, "", true, false, "a"},
        {932, "C:\\表\\ソ.EXE", 2, "C:\\表\\", true, false, "ソ"}, {932, "C:\\表\\", 2, "C:\\表\\", false, true, "-"},
        {1252, "C:\\ソ", 2, "C:\\ソ", false, true, "-"},           {0, "C:\\ソ", 2, "C:\\ソ", false, true, "-"},
        {932, "C:\\\x83", 2, "C:\\", false, false, "-"},          {932, "", -1, "", false, false, "-"},
        {932, "C:\\T\\ABCDEFGHIJKLMNO.EXE", 2, "C:\\T\\", true, false, "ABCDEFGHIJKLMNO"},
        {932, "C:\\T\\ABCDEFGHIJKLMNOP.EXE", 2, "C:\\T\\", true, false, "-"}};
    for (const auto &c : cases) {
        c.cp ? SetTextCodePage(c.cp) : SetNextCharFunction([](const char *p) { return p; });
        const char *p = c.path, *at = FindChar(p, '\\');
        const size_t dl = strlen(c.dir), fl = strlen(p) - dl;
        char base[16] = "";
        EXPECT_EQ(c.slash, at ? at - p : -1) << p;
        EXPECT_EQ(p + strlen(p), FindChar(p, '\0')) << p;
        EXPECT_EQ(c.dir + ("|" + std::string(p + dl)) + "|" + (p + dl),
                  std::string(p, DirPartLength(p)) + "|" + FileNamePart(p) + "|" + FileNamePart(p)) << p;
        EXPECT_EQ(c.ext, HasExtension(p)) << p;
        EXPECT_EQ(c.ends, EndsWithChar(p, '\\')) << p;
        EXPECT_STREQ(c.base, ModuleBaseName(p, base, sizeof base) ? base : "-") << p;
        for (int k = 0; k < 3; k++) {  // SplitPath with exact parts; with the directory, then the file one byte short
            std::vector<char> d(dl + 1), f(fl + 1);
            bool ok = SplitPath(p, d.data(), dl + (k != 1), f.data(), fl + (k != 2));
            EXPECT_EQ(k ? "refused |" : c.dir + ("|" + std::string(p + dl)),
                      (ok ? "" : "refused ") + std::string(d.data()) + "|" + f.data()) << p << ", short " << k;
        }
    }
}

TEST_F(ShiftJisTest, BoundedCopies) {
    enum Op { kCopy, kAppend, kBytes, kCut };
    struct { Op op; const char *start, *src; size_t len, cap; const char *seen; } cases[] = {  // len: of CopyBytes
        {kCopy, "old", "abcd", 0, 5, "abcd|"},      {kCopy, "old", "abcd", 0, 4, "refused old|"},
        {kAppend, "ab", "cd", 0, 5, "abcd|"},       {kAppend, "ab", "cd", 0, 4, "refused ab|"},
        {kAppend, "abc", "d", 0, 3, "refused abc|"}, {kBytes, "old", "abcdef", 3, 4, "abc|"},
        {kBytes, "old", "abcdef", 3, 3, "refused old|"}, {kCut, "old", "abc", 0, 3, "ab||"},
        {kCut, "old", "aソb", 0, 3, "a|d|"},         {kCut, "old", "aソb", 0, 4, "aソ|"},
        {kCut, "", "表表", 0, 4, "表|"},             {kCut, "old", "abc", 0, 0, "old|"}};  // seen: see Buf
    for (const auto &c : cases) {
        Buf buf(c.start);
        bool ok = c.op == kCopy ? CopyText(buf.b, c.cap, c.src) : c.op == kAppend ? AppendText(buf.b, c.cap, c.src)
                  : c.op == kBytes ? CopyBytes(buf.b, c.cap, c.src, c.len) : (CopyTextCut(buf.b, c.cap, c.src), true);
        EXPECT_EQ(c.seen, (ok ? "" : "refused ") + buf.Seen()) << "op " << c.op << ", " << c.src << ", cap " << c.cap;
    }
}

// The argument text, and whether it is one name in quotes (quotes are bytes no Shift-JIS character holds).
TEST(ArgumentText, SkipsTheProgramNameAndTheCodesUpTo32) {
    struct { const char *commandLine, *argument; bool quotedName; } cases[] = {
        {"\"C:\\Program Files\\LUMVAN32.EXE\" a.col", "a.col", false},
        {"LUMVAN32.EXE\t\x01\x1F \r\na.col", "a.col", false},
        {"\"unterminated name", "", false},
        {"C:\\ソフト\\LUMVAN32.EXE a.col", "a.col", false},
        {"LUMVAN32.EXE \x7F", "\x7F", false},
        {"LUMVAN32.EXE \"C:\\My Files\\a (1).col\"", "\"C:\\My Files\\a (1).col\"", true},
        {"LUMVAN32.EXE \"表ソ\\Jungle (256 color).theme\"", "\"表ソ\\Jungle (256 color).theme\"", true},
        {"LUMVAN32.EXE \"a.col\" ", "\"a.col\" ", false},
        {"LUMVAN32.EXE \"a.col", "\"a.col", false},
        {"LUMVAN32.EXE \"a\"b.col\"", "\"a\"b.col\"", false},
        {"LUMVAN32.EXE \"\"", "\"\"", false}};
    for (const auto &c : cases) {
        EXPECT_STREQ(c.argument, ArgumentText(c.commandLine)) << c.commandLine;
        EXPECT_EQ(c.quotedName, IsOneQuotedName(ArgumentText(c.commandLine))) << c.commandLine;
    }
}

TEST_F(ShiftJisTest, EntryNames) {
    struct { const char *entry; size_t cap; const char *file, *scheme; } cases[] = {  // "-": refused
        {"(a)b.col)\tT", 16, "a)b.col", "-"}, {"(表.col)\tT\tU", 16, "表.col", "-"}, {"(abcdef)\tT", 7, "abcdef", "-"},
        {"(abcdef)\tT", 6, "-", "-"}, {"(a.col)", 16, "-", "-"}, {"(a.col\tT", 16, "-", "-"}, {"(\tT", 16, "-", "-"},
        {"[SYSTEM]\tソ表\tx", 16, "-", "ソ表\tx"},  {"[SYSTEM]", 16, "-", "-"}};
    for (const auto &c : cases) {
        std::vector<char> name(c.cap);
        EXPECT_STREQ(c.file, FileEntryName(c.entry, name.data(), c.cap) ? name.data() : "-") << c.entry;
        EXPECT_STREQ(c.scheme, SchemeEntryName(c.entry) ? SchemeEntryName(c.entry) : "-") << c.entry;
    }
}

static const std::string kDir128 = std::string(127, 'd') + "\\", kDir129 = std::string(128, 'd') + "\\";

TEST_F(ShiftJisTest, DecideSaveName) {
    struct { std::string name; SaveNameDecision decision; } cases[] = {
        {"", kSaveNameEmpty},         {"*.col", kSaveNameWildcard},   {"a?.col", kSaveNameWildcard},
        {"a", kSaveNameAddExtension}, {"a.txt", kSaveNameAsTyped},    {"a.b\\c", kSaveNameAddExtension},
        {"a.ソ", kSaveNameAsTyped},   {"a.表", kSaveNameAsTyped},     {kDir128 + "x", kSaveNameAddExtension},
        {kDir129 + "x", kSaveNameTooLong}};  // into a WorkDir of 129 bytes
    for (const auto &c : cases) EXPECT_EQ(c.decision, DecideSaveName(c.name.c_str(), 129)) << c.name;
}

TEST_F(ShiftJisTest, SplitTypedPattern) {
    struct { std::string text; PatternSplit result; std::string dir, filter; } cases[] = {
        {"表ソ\\*.col", kPatternSplit, "表ソ\\", "*.col"},     {"C:*.c?l", kPatternSplit, "C:", "*.c?l"},
        {kDir128 + "*.col", kPatternSplit, kDir128, "*.col"}, {kDir129 + "*.col", kPatternDirTooLong, "", ""},
        {"abcdefghijkl*.c", kPatternSplit, "", "abcdefghijkl*.c"}, {"abcdefghijklm*.c", kPatternFilterTooLong, "", ""},
        {"*.123456", kPatternSplit, "", "*.123456"},          {"*.1234567", kPatternExtTooLong, "", ""},
        {"*.12345?7", kPatternSplit, "", "*.12345?7"}};  // never adopted, so never too long
    for (const auto &c : cases) {
        char dir[129] = "old", filter[16] = "old";
        EXPECT_EQ(c.result, SplitTypedPattern(c.text.c_str(), dir, sizeof dir, filter, sizeof filter, 8)) << c.text;
        EXPECT_EQ(c.dir + "|" + c.filter, std::string(dir) + "|" + filter) << c.text;
    }
}

TEST(Edition, ChooseEditionAndAssociation) {
    struct { unsigned charset; const char *baseName; Edition edition; } cases[] = {
        {128, "LUMVAN32", kEditionPrimary}, {128, "lumVan32", kEditionPrimary}, {128, "LUMVAN32A", kEditionSibling},
        {128, "", kEditionSibling},         {0, "LUMVAN32", kEditionEnglish},   {129, "LUMVAN32", kEditionEnglish}};
    for (const auto &c : cases) EXPECT_EQ(c.edition, ChooseEdition(c.charset, c.baseName)) << c.charset << c.baseName;
    const std::string b(119, 'b');  // the longest base name that fits 130 bytes
    struct { std::string base; size_t cap; std::string value; } built[] = {{"LUMVAN32", 19, "LUMVAN32.exe ^.col"},
        {"LUMVAN32", 18, "-"}, {b, 12, "-"}, {b, 130, b + ".exe ^.col"}, {b, 129, "-"}};
    for (const auto &c : built) {
        std::vector<char> out(c.cap);
        EXPECT_EQ(c.value, BuildAssociationValue(c.base.c_str(), out.data(), c.cap) ? out.data() : "-") << c.cap;
    }
    struct { const char *value; bool ours; } stored[] = {{"LUMVAN32.exe ^.col", true}, {"LUMVAN32.exe", true},
        {"lumvan32.exe ^.col", false}, {"", false}, {"LUMVAN32.exe ^.col ", false}};
    for (const auto &s : stored) EXPECT_EQ(s.ours, AssociationIsOurs(s.value, "LUMVAN32.exe ^.col")) << s.value;
}
