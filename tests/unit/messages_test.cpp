// The paired messages and their composition with a name.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "core/capacity.h"
#include "core/messages.h"
#include "test_support.h"

namespace {

using MessagesTest = ShiftJisTest;

const char kPath[] = "C:\\ソフト\\表.col";

std::string Compose(MessageKey key, int edition, const char *name, size_t cap = kMessageCap) {
    std::vector<char> out(cap + 1, 'Z');
    ComposeMessage(key, (Edition)edition, name, out.data(), cap);
    EXPECT_EQ('Z', out[cap]) << "written beyond the buffer";
    return std::string(out.data());
}

TEST_F(MessagesTest, ComposedPerKeyAndEdition) {
    struct Case {
        MessageKey key;
        int edition;
        const char *name;
        const char *expected;
    } cases[] = {
        {kMsgOpenFailed, 2, kPath, "Can't access file: C:\\ソフト\\表.col"},
        {kMsgOpenFailed, 0, kPath, "C:\\ソフト\\表.colにアクセスできません。"},
        {kMsgOpenFailed, 1, kPath, "C:\\ソフト\\表.colにアクセスできません。"},
        {kMsgSaveFailed, 2, "a.col", "Can't save file: a.col"},
        {kMsgSaveFailed, 0, "a.col", "a.colをセーブできません。"},
        {kMsgSourceMissing, 2, "a.col", "Can't find file: a.col"},
        {kMsgSourceMissing, 1, "a.col", "a.colが見つかりません。"},
        {kMsgReplace, 2, "a.col", "a.col is already exit. Shall I replace the file?"},
        {kMsgReplace, 0, "a.col", "a.colがすでにあります。置き換えますか？"},
        {kMsgInstalledAlready, 2, "sunset.col", "sunset.col is already installed. Overwrite?"},
        {kMsgInstalledAlready, 1, "sunset.col", "sunset.col はすでに登録されています。オーバーライトしますか？"},
        {kMsgDeleteQuestion, 2, "(a.col)\tSunset",
         "(a.col)\tSunset\n Now we are going to delete this color-setting file\x81\x42"
         "\n  Are you right?"},
        {kMsgDeleteQuestion, 0, "(a.col)\t夕焼け",
         "(a.col)\t夕焼け\n　このカラーセット・ファイルを削除します。\n　よろしいですか？"},
        {kMsgWildcard, 2, "ignored", "Wild Characters are included in file name."},
        {kMsgWildcard, 0, "ignored", "ファイル名にワイルドカード文字が含まれています"},
        {kMsgOutOfMemory, 2, nullptr, "Out of memory"},
        {kMsgOutOfMemory, 1, nullptr, "メモリーが足りません"},
        {kMsgBadLine, 2, nullptr, "Unrecognized syntax ecounterd in file"},
        {kMsgBadLine, 0, nullptr, "ファイル中に不正な項目があります。"},
        {kMsgFirstRun, 2, nullptr, "Do you want to save 'current system color setteing'?"},
        {kMsgFirstRun, 0, nullptr, "現在の色設定をファイルに保存しますか？"},
        {kMsgSystemScheme, 2, nullptr, "It's a system color, already in system."},
        {kMsgSystemScheme, 0, nullptr, "システムカラーです。すでにシステムに登録されています"},
        {kMsgInstallAll, 2, nullptr, "I'll add all lumivane files into system.\nAre you shure?"},
        {kMsgInstallAll, 1, nullptr, "全てのるみべいんデータをシステムに登録します。\nよろしいですか？"},
        {kMsgReplace, 2, nullptr, " is already exit. Shall I replace the file?"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(std::string(c.expected), Compose(c.key, c.edition, c.name))
            << "message " << c.key << ", edition " << c.edition;
}

TEST_F(MessagesTest, EnglishDeleteQuestionCarriesTheJapaneseFullStop) {
    std::string text = MessageText(kMsgDeleteQuestion, (Edition)2);
    size_t at = text.find("file");
    ASSERT_NE(std::string::npos, at);
    EXPECT_EQ(std::string("\x81\x42\n"), text.substr(at + 4, 3));
}

TEST_F(MessagesTest, RenameFailed) {
    struct Case {
        int edition;
        const char *expected;
    } cases[] = {
        {2, "Can't rename from C:\\TEMP\\LUMV1.TMP to C:\\ソフト\\表.col"},
        {0, "C:\\TEMP\\LUMV1.TMP から C:\\ソフト\\表.colにファイル名を変更できません。"},
        {1, "C:\\TEMP\\LUMV1.TMP から C:\\ソフト\\表.colにファイル名を変更できません。"},
    };
    for (const Case &c : cases) {
        char out[kMessageCap];
        ComposeRenameFailed((Edition)c.edition, "C:\\TEMP\\LUMV1.TMP", kPath, out, sizeof out);
        EXPECT_STREQ(c.expected, out) << "edition " << c.edition;
    }
}

TEST_F(MessagesTest, FormatWithName) {
    struct Case {
        const char *format;
        const char *name;
        const char *expected;
    } cases[] = {
        {"INTERNAL ERROR, File %s not found", "x.col", "INTERNAL ERROR, File x.col not found"},
        {"Wall Paper File %s not Found", "表.bmp", "Wall Paper File 表.bmp not Found"},
        {"壁紙ファイル %s が見つかりません。", "ソ.bmp", "壁紙ファイル ソ.bmp が見つかりません。"},
        {"%s", "a", "a"},
        {"no name here", "a", "no name here"},
        {"%s and %s", "a", "a and %s"},
        {"File %s", nullptr, "File "},
        {"100%% %s", "a", "100%% a"},  // not a printf format: only "%s" is replaced
    };
    for (const Case &c : cases) {
        char out[kMessageCap];
        FormatWithName(c.format, c.name, out, sizeof out);
        EXPECT_STREQ(c.expected, out) << "format \"" << c.format << "\"";
    }
}

// Every composition, cut to every small capacity, is the longest prefix of
// the whole message that fits and ends between two characters.
TEST_F(MessagesTest, CutsNeverSplitACharacter) {
    struct Composer {
        const char *name;
        void (*compose)(char *out, size_t cap);
    } composers[] = {
        {"open failed, Japanese", [](char *o, size_t n) { ComposeMessage(kMsgOpenFailed, (Edition)0, "ソa表", o, n); }},
        {"open failed, English", [](char *o, size_t n) { ComposeMessage(kMsgOpenFailed, (Edition)2, "ソa表", o, n); }},
        {"replace, English", [](char *o, size_t n) { ComposeMessage(kMsgReplace, (Edition)2, "aソ", o, n); }},
        {"installed, Japanese", [](char *o, size_t n) { ComposeMessage(kMsgInstalledAlready, (Edition)1, "aソ", o, n); }},
        {"delete, Japanese", [](char *o, size_t n) { ComposeMessage(kMsgDeleteQuestion, (Edition)0, "(表)\tソ", o, n); }},
        {"wildcard, Japanese", [](char *o, size_t n) { ComposeMessage(kMsgWildcard, (Edition)0, nullptr, o, n); }},
        {"rename, English", [](char *o, size_t n) { ComposeRenameFailed((Edition)2, "aソ", "表b", o, n); }},
        {"rename, Japanese", [](char *o, size_t n) { ComposeRenameFailed((Edition)0, "aソ", "表b", o, n); }},
        {"format, Japanese", [](char *o, size_t n) { FormatWithName("壁紙ファイル %s が見つかりません。", "aソ", o, n); }},
        {"format, English", [](char *o, size_t n) { FormatWithName("File %s not Found", "aソ", o, n); }},
    };
    for (const Composer &c : composers) {
        char whole[kMessageCap];
        c.compose(whole, sizeof whole);
        const std::string full = whole;
        for (size_t cap = 1; cap <= full.size() + 1; cap++) {
            std::vector<char> out(cap + 1, 'Z');
            c.compose(out.data(), cap);
            ASSERT_EQ('Z', out[cap]) << c.name << ": written beyond cap " << cap;
            std::string got = out.data();
            // The longest prefix that fits without cutting a character.
            size_t want = 0;
            for (const char *p = full.c_str(); *p;) {
                const char *n = NextChar(p);
                if ((size_t)(n - full.c_str()) + 1 > cap) break;
                want = (size_t)(n - full.c_str());
                p = n;
            }
            EXPECT_EQ(full.substr(0, want), got) << c.name << ", cap " << cap;
        }
    }
}

TEST_F(MessagesTest, ZeroCapacityWritesNothing) {
    char out[4] = "old";
    ComposeMessage(kMsgOpenFailed, (Edition)0, "a", out, 0);
    ComposeRenameFailed((Edition)2, "a", "b", out, 0);
    FormatWithName("%s", "a", out, 0);
    EXPECT_STREQ("old", out);
}

TEST(MessagesLiterals, JapaneseLiteralsAreShiftJis) {
    EXPECT_STREQ("(なし)", kWallpaperNoneJapanese);
    EXPECT_STREQ("オーナー・デフォルト", kOwnersTitleJapanese);
}

}  // namespace
