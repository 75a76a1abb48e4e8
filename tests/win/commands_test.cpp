// Fix and the scheme store when a profile file cannot be written: the user
// is told, and no failure passes for success.
#include "../../colors/schemes.h"
#include "../../colors/syscolors.h"
#include "../../commands/fix.h"
#include "../../commands/install.h"
#include "win_fixture.h"

namespace {

// Puts a directory where a profile file of the Windows directory stands, so
// that every write to it fails; restores the file afterwards.
class BlockedProfile {
  public:
    explicit BlockedProfile(const char *name) {
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, sizeof windows);
        path_ = std::string(windows) + "\\" + name;
        saved_ = path_ + ".lvsaved";
        DeleteFileA(saved_.c_str());
        hadFile_ = MoveFileA(path_.c_str(), saved_.c_str()) != 0;
        blocked_ = CreateDirectoryA(path_.c_str(), nullptr) != 0;
    }
    ~BlockedProfile() {
        RemoveDirectoryA(path_.c_str());
        if (hadFile_) MoveFileA(saved_.c_str(), path_.c_str());
    }
    bool blocked() const { return blocked_; }

  private:
    std::string path_, saved_;
    bool hadFile_ = false, blocked_ = false;
};

TEST(ProfileWrites, FixReportsAWinIniThatCannotBeWritten) {
    UseEdition(2);
    BlockedProfile block("win.ini");
    ASSERT_TRUE(block.blocked());
    ScriptBoxes({IDYES});
    FixWithCurrentColorCommand(CommandArgs{nullptr, nullptr, nullptr});
    ASSERT_EQ(2u, ShownBoxes().size());
    EXPECT_EQ(0u, ShownBoxes()[0].text.find("   Now lumivane is going to record"));
    EXPECT_EQ("Can't write the settings into win.ini", ShownBoxes()[1].text);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONHAND), ShownBoxes()[1].type);
}

TEST(ProfileWrites, FixReportsAControlIniThatCannotBeWritten) {
    UseEdition(0);
    BlockedProfile block("control.ini");
    ASSERT_TRUE(block.blocked());
    ScriptBoxes({IDYES});
    FixWithCurrentColorCommand(CommandArgs{nullptr, nullptr, nullptr});
    ASSERT_EQ(2u, ShownBoxes().size());
    EXPECT_EQ("control.iniに設定を書き込めません。", ShownBoxes()[1].text);
}

TEST(ProfileWrites, FixWithNoWritesNothingAndShowsOneBox) {
    UseEdition(2);
    WriteProfileStringA("colors", nullptr, nullptr);
    ScriptBoxes({IDNO});
    FixWithCurrentColorCommand(CommandArgs{nullptr, nullptr, nullptr});
    EXPECT_EQ(1u, ShownBoxes().size());
    char value[32];
    GetProfileStringA("colors", "Scrollbar", "<none>", value, sizeof value);
    EXPECT_STREQ("<none>", value);
}

TEST(ProfileWrites, WriteSchemeReportsAFailedWriteAndAnswersNo) {
    UseEdition(2);
    ColorSet colors = GreetingColors;
    BlockedProfile block("control.ini");
    ASSERT_TRUE(block.blocked());
    ScriptBoxes();
    EXPECT_EQ(IDNO, WriteScheme(colors, "blocked.col"));
    ASSERT_EQ(1u, ShownBoxes().size());
    EXPECT_EQ("Can't write the settings into control.ini", ShownBoxes()[0].text);
}

TEST(SchemeStore, OverwritePromptAndItsAnswers) {
    UseEdition(2);
    ColorSet colors;
    for (int i = 0; i < kElementCount; i++) colors.value[i] = 0x10 * i;
    const struct {
        const char *label;
        const char *present;  // null: no key; "" an empty value (counts as absent)
        int answer;
        int result;
        bool written;
        bool prompted;
    } cases[] = {
        {"new key", nullptr, IDYES, IDYES, true, false},
        {"empty value", "", IDYES, IDYES, true, false},
        {"existing, yes", "1,2", IDYES, IDYES, true, true},
        {"existing, no", "1,2", IDNO, IDNO, false, true},
        {"existing, cancel", "1,2", IDCANCEL, IDCANCEL, false, true},
    };
    for (const auto &c : cases) {
        WritePrivateProfileStringA("COLOR SCHEMES", "probe.col", c.present, "control.ini");
        ScriptBoxes({c.answer});
        EXPECT_EQ(c.result, WriteScheme(colors, "probe.col")) << c.label;
        EXPECT_EQ(c.prompted ? 1u : 0u, ShownBoxes().size()) << c.label;
        if (c.prompted) {
            EXPECT_EQ("probe.col is already installed. Overwrite?", ShownBoxes()[0].text) << c.label;
            EXPECT_EQ((UINT)MB_YESNOCANCEL, ShownBoxes()[0].type) << c.label;
        }
        char value[260];
        GetPrivateProfileStringA("COLOR SCHEMES", "probe.col", "", value, sizeof value, "control.ini");
        EXPECT_STREQ(c.written ? "10,C0,50,80,40,70,20,30,90,A0,B0,60,0" : "1,2", value) << c.label;
    }
}

// A file whose name the profile format cannot hold as a key is refused,
// never stored as another key, a section or a comment.
TEST(SchemeStore, NamesTheProfileCannotHoldAreRefused) {
    std::string dir = TestDir(CurrentTestName());
    const struct {
        int edition;
        const char *name;
        std::string text;
    } cases[] = {
        {2, "a=b.col", "Can't install this file name into system: a=b.col"},
        {2, "[x].col", "Can't install this file name into system: [x].col"},
        {0, ";c.col", ";c.col はシステムに登録できないファイル名です。"},
    };
    auto keys = [] {
        char names[4096];
        DWORD n = GetPrivateProfileStringA("COLOR SCHEMES", nullptr, "", names, sizeof names, "control.ini");
        return std::string(names, n);
    };
    std::string before = keys();
    for (const auto &c : cases) {
        UseEdition(c.edition);
        ScriptBoxes();
        EXPECT_EQ(IDNO, InstallFileEntry((std::string("(") + c.name + ")\tTitle").c_str())) << c.name;
        ASSERT_EQ(1u, ShownBoxes().size()) << c.name;
        EXPECT_EQ(c.text, ShownBoxes()[0].text);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONHAND), ShownBoxes()[0].type);
        EXPECT_EQ(before, keys()) << c.name << ": the store is unchanged";
    }
    char stray[16];
    GetPrivateProfileStringA("x", nullptr, "", stray, sizeof stray, "control.ini");
    EXPECT_STREQ("", stray) << "no section [x]";
}

TEST(SchemeStore, ReadSchemeFillsThePositionedElements) {
    UseEdition(2);
    WritePrivateProfileStringA("COLOR SCHEMES", "read.col", "ff,,80", "control.ini");
    ColorSet set, current;
    CaptureColors(&current);
    ASSERT_TRUE(ReadScheme(&set, "read.col"));
    for (int i = 0; i < kElementCount; i++) {
        int32_t expected = i == 1 ? 0xFF : i == 12 ? 0 : i == 5 ? 0x80 : current.value[i];
        EXPECT_EQ(expected, set.value[i]) << "element " << i;
    }
}

}  // namespace
