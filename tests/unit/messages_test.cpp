// Messages composed with a name, whole and cut to every small buffer.
#include "core/messages.h"
#include "test_support.h"

static bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
#define MESSAGE(key, edition, name) [](char *o, size_t n) { ComposeMessage(key, edition, name, o, n); }
#define RENAME(edition) [](char *o, size_t n) { ComposeRenameFailed(edition, "T.TMP", "表.col", o, n); }
#define FORMAT(format, name) [](char *o, size_t n) { FormatWithName(format, name, o, n); }

TEST_F(ShiftJisTest, MessagesWholeAndCutBetweenCharacters) {
    struct { void (*compose)(char *, size_t); std::string whole; } cases[] = {
        {MESSAGE(kMsgOpenFailed, kEditionEnglish, "C:\\表\\ソ"), "Can't access file: C:\\表\\ソ"},
        {MESSAGE(kMsgOpenFailed, kEditionPrimary, "C:\\表\\ソ"), "C:\\表\\ソにアクセスできません。"},
        {MESSAGE(kMsgReplace, kEditionEnglish, "aソ"), "aソ is already exit. Shall I replace the file?"},
        {MESSAGE(kMsgReplace, kEditionSibling, "aソ"), "aソがすでにあります。置き換えますか？"},
        {MESSAGE(kMsgReplace, kEditionEnglish, nullptr), " is already exit. Shall I replace the file?"},
        {MESSAGE(kMsgDeleteQuestion, kEditionEnglish, "(a)\tT"),
         "(a)\tT\n Now we are going to delete this color-setting file\x81\x42\n  Are you right?"},
        {MESSAGE(kMsgWildcard, kEditionEnglish, "x"), "Wild Characters are included in file name."},
        {MESSAGE(kMsgInternalNotFound, kEditionPrimary, "ソ"), "INTERNAL ERROR, File ソ not found"},
        {RENAME(kEditionEnglish), "Can't rename from T.TMP to 表.col"},
        {RENAME(kEditionPrimary), "T.TMP から 表.colにファイル名を変更できません。"},
        {FORMAT("表 100%% %s, %s", "ソ"), "表 100%% ソ, %s"},
        {FORMAT("壁紙 %s.", nullptr), "壁紙 ."}, {FORMAT("表 100%", "x"), "表 100%"}};
    for (const auto &c : cases)
        for (size_t cap = 0; cap <= c.whole.size() + 2; cap++) {
            std::vector<char> out(cap + 1, 'Z');  // the byte after cap stays 'Z'; cap 0 writes nothing
            c.compose(out.data(), cap);
            size_t fits = 0;  // the longest prefix that fits and ends between two characters
            for (size_t n; fits < c.whole.size() && (n = fits + 1 + IsLeadByte(c.whole[fits])) < cap;) fits = n;
            std::string got = out[cap] != 'Z' ? "(a byte written after cap)" : cap ? out.data() : "";
            ASSERT_EQ(c.whole.substr(0, fits), got) << "cap " << cap;
        }
}
