// Start-up against Wine: edition, the .col association in win.ini, the
// working directory, and the text helpers with the platform's CharNextA.
#include "../../app/startup.h"
#include "../../core/mbtext.h"
#include "../../platform/win32.h"
#include "win_fixture.h"

namespace {

TEST(Startup, EditionOfThisExecutableFollowsTheCodePage) {
    ResetAppGlobals();
    char base[MAX_PATH];
    ASSERT_TRUE(GetProgramBaseName(base, sizeof base));
    DetectEdition(base);
    EXPECT_STREQ("lv_win_tests", g_app.BaseName);
    if (JapaneseCodePage()) {
        EXPECT_EQ(1, g_app.edition);
        EXPECT_STREQ("ヴェルティナ", g_app.TitleString);
    } else {
        EXPECT_EQ(2, g_app.edition);
        EXPECT_STREQ("Lumivane", g_app.TitleString);
    }
}

TEST(Startup, AssociationIsWrittenUnlessOursIsThere) {
    const std::string longest(119, 'L');  // the value fills the 129 bytes it is read back into
    const struct {
        std::string baseName;
        const char *stored;  // null: no key
        int written;
        std::string after;
    } cases[] = {
        {"LUMVAN32", nullptr, 1, "LUMVAN32.exe ^.col"},
        {"LUMVAN32", "LUMVAN32.exe ^.col", 0, "LUMVAN32.exe ^.col"},
        {"LUMVAN32", "LUMVAN32.exe", 0, "LUMVAN32.exe"},
        {"LUMVAN32", "lumvan32.exe ^.col", 1, "LUMVAN32.exe ^.col"},
        {"LUMVAN32", "notepad.exe ^.txt", 1, "LUMVAN32.exe ^.col"},
        {"LUMVAN32", "LUMVAN32.exe ^.col extra", 1, "LUMVAN32.exe ^.col"},
        // A base name longer than the class name holds names the program whole.
        {"LUMIVANE-EDITION2", "LUMIVANE-EDITIO.exe ^.col", 1, "LUMIVANE-EDITION2.exe ^.col"},
        {"LUMIVANE-EDITION2", "LUMIVANE-EDITION2.exe ^.col", 0, "LUMIVANE-EDITION2.exe ^.col"},
        {longest, "keep.exe ^.col", 1, longest + ".exe ^.col"},
        // One byte more could not be recognised when read back: left alone.
        {longest + "L", "keep.exe ^.col", 0, "keep.exe ^.col"},
    };
    UseEdition(0);
    for (const auto &c : cases) {
        WriteProfileStringA("extensions", "col", c.stored);
        EXPECT_EQ(c.written, RegisterColAssociation(c.baseName.c_str())) << (c.stored ? c.stored : "(none)");
        char value[256];
        GetProfileStringA("extensions", "col", "", value, sizeof value);
        EXPECT_EQ(c.after, value) << (c.stored ? c.stored : "(none)");
    }
}

TEST(Startup, WorkDirAlwaysEndsInABackslash) {
    char saved[MAX_PATH];
    GetCurrentDirectoryA(sizeof saved, saved);
    std::string dir = TestDir(CurrentTestName());
    const struct {
        std::string current;
        std::string workDir;
    } cases[] = {{"C:\\", "C:\\"}, {dir.substr(0, dir.size() - 1), dir}};
    for (const auto &c : cases) {
        ASSERT_TRUE(SetCurrentDirectoryA(c.current.c_str())) << c.current;
        ResetAppGlobals();
        InitWorkDir();
        EXPECT_EQ(c.workDir, g_app.WorkDir);
    }
    // 127 bytes of directory take their backslash; 128 do not fit, and
    // WorkDir keeps its value rather than losing the separator.
    std::string longDir = dir + std::string(127 - dir.size(), 'w');
    ASSERT_EQ(127u, longDir.size());
    ASSERT_TRUE(CreateDirectoryA(longDir.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(SetCurrentDirectoryA(longDir.c_str()));
    ResetAppGlobals();
    EXPECT_TRUE(InitWorkDir());
    EXPECT_EQ(longDir + "\\", g_app.WorkDir);
    std::string tooLong = longDir + "w";
    ASSERT_TRUE(CreateDirectoryA(tooLong.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(SetCurrentDirectoryA(tooLong.c_str()));
    ResetAppGlobals();
    CopyText(g_app.WorkDir, sizeof g_app.WorkDir, "C:\\KEEP\\");
    EXPECT_FALSE(InitWorkDir());
    EXPECT_STREQ("C:\\KEEP\\", g_app.WorkDir);
    ResetAppGlobals();
    InitWorkDir();
    EXPECT_STREQ("\\", g_app.WorkDir) << "an empty WorkDir becomes a lone backslash";
    SetCurrentDirectoryA(saved);
    RemoveDirectoryA(tooLong.c_str());
    RemoveDirectoryA(longDir.c_str());
}

TEST(Startup, ProgramDirIsTheExecutablesDirectory) {
    char module[MAX_PATH], dir[260];
    GetModuleFileNameA(nullptr, module, sizeof module);
    ASSERT_TRUE(GetProgramDir(dir, sizeof dir));
    std::string m = module;
    EXPECT_EQ(m.substr(0, m.find_last_of('\\') + 1), dir);
    char tiny[4];
    EXPECT_FALSE(GetProgramDir(tiny, sizeof tiny)) << "a directory that does not fit is refused";
    EXPECT_STREQ("", tiny);
}

// Shift-JIS characters whose second byte is 0x5C ('\'): ソ 83 5C, 表 95 5C.
TEST(TextWithCharNext, DoubleByteCharactersAreNeverSplit) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    const struct {
        const char *path;
        const char *dir;
        const char *file;
        bool extension;
    } cases[] = {
        {"C:\\ソフト\\表", "C:\\ソフト\\", "表", false},
        {"C:\\表.col", "C:\\", "表.col", true},
        {"ソ.b\\表ソ", "ソ.b\\", "表ソ", false},
        {"表", "", "表", false},
    };
    for (const auto &c : cases) {
        char dir[132], file[132];
        ASSERT_TRUE(SplitPath(c.path, dir, sizeof dir, file, sizeof file));
        EXPECT_STREQ(c.dir, dir) << c.path;
        EXPECT_STREQ(c.file, file) << c.path;
        EXPECT_EQ(c.extension, HasExtension(c.path)) << c.path;
    }
    EXPECT_EQ(nullptr, FindChar("ソ表", '\\')) << "no '\\' in ソ表 although both trail bytes are 0x5C";
    char base[16];
    ASSERT_TRUE(ModuleBaseName("C:\\ソ\\表.EXE", base, sizeof base));
    EXPECT_STREQ("表", base);
    EXPECT_STREQ("表.bmp", WallpaperNamePart("C:\\WIN\\表.bmp"));
}

}  // namespace
