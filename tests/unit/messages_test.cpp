// Messages composed from a format and names, whole and cut to small buffers.
#include "core/messages.h"
#include "test_support.h"

TEST_F(ShiftJisTest, ComposeMessage) {
    struct { const char *format, *first, *second; size_t cap; const char *composed; } cases[] = {
        // format                                  first       second    cap  composed
        {"Can't access file: %s",                  "C:\\表\\ソ", nullptr, 64, "Can't access file: C:\\表\\ソ"},
        {"%s から %sにファイル名を変更できません。", "T.TMP",    "表.col", 64, "T.TMP から 表.colにファイル名を変更できません。"},
        {"Can't access file: %s",                  "表ソ",      nullptr,  23, "Can't access file: 表"},  // ソ: 2 bytes short
        {"%sにアクセスできません。",                 "a",        nullptr,   5, "aに"},
        {"%s, then %s",                            "表ソ",      "b",       4, "表"},  // nothing follows a cut
        {"%s",                                     "abc",       nullptr,   1, ""},
        {"壁紙 %s.",                                nullptr,     nullptr,  32, "壁紙 ."},
        {"表 100%% %s, %s",                         "ソ",        nullptr,  32, "表 100%% ソ, %s"},
        {"%s and %s",                              "%s",        "b",      32, "%s and b"},  // a name is not read again
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; i++) {
        const auto &c = cases[i];
        std::vector<char> out(c.cap + 1, 'Z');  // the byte after cap must stay 'Z'
        ComposeMessage(c.format, c.first, c.second, out.data(), c.cap);
        EXPECT_EQ(std::string(c.composed) + "|Z", std::string(out.data()) + "|" + out[c.cap]) << "row " << i;
    }
    char untouched = 'Z';
    ComposeMessage("%s", "a", nullptr, &untouched, 0);
    EXPECT_EQ('Z', untouched) << "a buffer of no bytes is left alone";
}
