// Color-set files on real files under Wine: round trips, every failure
// message with its icon, and the writer that never leaves a broken file.
#include <stdlib.h>

#include "../../colors/apply.h"
#include "../../colors/colfile.h"
#include "../../colors/syscolors.h"
#include "../../core/colfile_text.h"
#include "win_fixture.h"

namespace {

ColorSet SampleColors() {
    ColorSet c;
    for (int i = 0; i < kElementCount; i++) c.value[i] = MakeColor(10 * i, 255 - 7 * i, 3 * i + 1);
    return c;
}

TEST(ColorSetFile, WrittenFileReadsBackInEveryEdition) {
    std::string dir = TestDir(CurrentTestName());
    std::string path = dir + "sunset.col";
    UseEdition(2);
    ScriptBoxes();
    ASSERT_EQ(1, WriteColorSetFile(SampleColors(), path.c_str(), "夕焼け", "ゆうやけ", "Sunset", "sunset.bmp", 2));
    EXPECT_TRUE(ShownBoxes().empty());
    struct {
        int edition;
        const char *title;
    } cases[] = {{0, "夕焼け"}, {1, "ゆうやけ"}, {2, "Sunset"}};
    for (const auto &c : cases) {
        UseEdition(c.edition);
        char title[132];
        EXPECT_EQ(1, ReadColorSetTitle(path.c_str(), title, sizeof title)) << "edition " << c.edition;
        EXPECT_STREQ(c.title, title) << "edition " << c.edition;
    }
    ColorSet read;
    ASSERT_EQ(1, ReadColorSetColors(&read, path.c_str()));
    ColorSet expected = SampleColors();
    for (int i = 0; i < kElementCount; i++) EXPECT_EQ(expected.value[i], read.value[i]) << "element " << i;
    char name[260];
    int32_t tile = -5;
    FileText file;
    ASSERT_EQ(kFileRead, LoadWholeFile(path.c_str(), &file));
    EXPECT_EQ(kWallpaperRead, WallpaperFromText(file.text, name, sizeof name, &tile));
    FreeFileText(&file);
    EXPECT_STREQ("sunset.bmp", name);
    EXPECT_EQ(2, tile);
    EXPECT_TRUE(ShownBoxes().empty());
}

TEST(ColorSetFile, UnnamedElementsKeepTheDesktopColors) {
    std::string path = TestDir(CurrentTestName()) + "part.col";
    WriteFileBytes(path, "[WindowsSystemColors] VER01.00\r\n[ListOfColors]\r\nWindow= 1 2 3\r\n");
    UseEdition(2);
    ScriptBoxes();
    ColorSet current, read;
    CaptureColors(&current);
    ASSERT_EQ(1, ReadColorSetColors(&read, path.c_str()));
    for (int i = 0; i < kElementCount; i++)
        EXPECT_EQ(i == 5 ? MakeColor(1, 2, 3) : current.value[i], read.value[i]) << "element " << i;
}

// Each failure and the box it shows: text, icon, caption, no owner.
struct FailureCase {
    const char *label;
    int edition;
    const char *fileBytes;  // null: no file at all
    int operation;          // 0 title, 1 colors, 2 apply from the list, 3 from the command line
    int result;
    const char *textBefore;  // the box text is textBefore + path + textAfter
    const char *textAfter;
    UINT type;
};

const FailureCase kFailures[] = {
    {"title of a missing file", 2, nullptr, 0, 0, "Can't access file: ", "", MB_OK | MB_ICONHAND},
    {"title of a missing file, Japanese", 0, nullptr, 0, 0, "", "にアクセスできません。", MB_OK | MB_ICONHAND},
    {"colors of a missing file", 1, nullptr, 1, 0, "INTERNAL ERROR, File ", " not found", MB_OK | MB_ICONHAND},
    {"apply of a missing file", 2, nullptr, 2, 0, "INTERNAL ERROR, File ", " not found", MB_OK | MB_ICONHAND},
    {"command-line apply of a missing file", 2, nullptr, 3, 0, "Can't access file: ", "", MB_OK | MB_ICONHAND},
    {"title of a text file", 2, "hello\r\n", 0, 0, nullptr, nullptr, 0},
    {"colors of a text file", 0, "hello\r\n", 1, 0, "Internal Error, not color-set file", nullptr, MB_OK | MB_ICONHAND},
    {"colors of an empty file", 2, "", 1, 0, "Internal Error, not color-set file", nullptr, MB_OK | MB_ICONHAND},
    {"command-line apply of a text file", 2, "hello\r\n", 3, 0, nullptr, nullptr, 0},
    {"colors without a color list", 2, "[WindowsSystemColors]\r\n[listofcolors]\r\nMenu= 1 2 3\r\n", 1, 0,
     "Internal Error, Can't find COLORS section in file", nullptr, MB_OK | MB_ICONHAND},
};

TEST(ColorSetFile, EachFailureShowsItsMessage) {
    std::string dir = TestDir(CurrentTestName());
    for (const FailureCase &c : kFailures) {
        std::string path = dir + "case.col";
        DeleteFileA(path.c_str());
        if (c.fileBytes) WriteFileBytes(path, c.fileBytes);
        UseEdition(c.edition);
        ScriptBoxes();
        int result = -1;
        char buffer[260];
        ColorSet set;
        switch (c.operation) {
        case 0: result = ReadColorSetTitle(path.c_str(), buffer, 132); break;
        case 1: result = ReadColorSetColors(&set, path.c_str()); break;
        case 2: result = ApplyColorSetFile(nullptr, path.c_str(), kFromList); break;
        case 3: result = ApplyColorSetFile(nullptr, path.c_str(), kFromCommandLine); break;
        }
        EXPECT_EQ(c.result, result) << c.label;
        if (!c.textBefore) {
            EXPECT_EQ(0u, ShownBoxes().size()) << c.label;
            continue;
        }
        ASSERT_EQ(1u, ShownBoxes().size()) << c.label;
        const ShownBox &box = ShownBoxes()[0];
        std::string expected = c.textAfter ? c.textBefore + path + c.textAfter : c.textBefore;
        EXPECT_EQ(expected, box.text) << c.label;
        EXPECT_EQ(c.type, box.type) << c.label;
        EXPECT_EQ(std::string(g_app.TitleString), box.caption) << c.label;
        EXPECT_EQ(nullptr, box.owner) << c.label;
    }
}

TEST(ColorSetFile, OneBoxPerUnrecognisedLine) {
    std::string path = TestDir(CurrentTestName()) + "bad.col";
    WriteFileBytes(path, "[WindowsSystemColors]\r\n[ListOfColors]\r\nscrollbar= 1 2 3\r\n Menu= 1 2 3\r\n"
                         "Menu= 4 5 6\r\n\r\n[WallPaper]\r\nnonsense\r\n");
    struct {
        int edition;
        const char *text;
    } cases[] = {{2, "Unrecognized syntax ecounterd in file"}, {1, "ファイル中に不正な項目があります。"}};
    for (const auto &c : cases) {
        UseEdition(c.edition);
        ScriptBoxes();
        ColorSet set;
        EXPECT_EQ(1, ReadColorSetColors(&set, path.c_str()));
        EXPECT_EQ(MakeColor(4, 5, 6), set.value[4]);
        ASSERT_EQ(3u, ShownBoxes().size()) << "edition " << c.edition;
        for (const ShownBox &box : ShownBoxes()) {
            EXPECT_EQ(c.text, box.text);
            EXPECT_EQ((UINT)MB_OK, box.type);
        }
    }
}

TEST(ColorSetFile, SaveIntoMissingDirectoryIsReported) {
    std::string path = TestDir(CurrentTestName()) + "no such dir\\x.col";
    struct {
        int edition;
        std::string text;
    } cases[] = {{2, "Can't save file: " + path}, {0, path + "をセーブできません。"}};
    for (const auto &c : cases) {
        UseEdition(c.edition);
        ScriptBoxes();
        EXPECT_EQ(0, WriteColorSetFile(SampleColors(), path.c_str(), nullptr, nullptr, "x", nullptr, 0));
        ASSERT_EQ(1u, ShownBoxes().size());
        EXPECT_EQ(c.text, ShownBoxes()[0].text);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONHAND), ShownBoxes()[0].type);
    }
}

TEST(ColorSetFile, OverlongWallpaperNameIsRefusedAndTheOldFileKept) {
    std::string path = TestDir(CurrentTestName()) + "keep.col";
    WriteFileBytes(path, "old contents");
    UseEdition(2);
    ScriptBoxes();
    std::string longName(119, 'w');
    EXPECT_EQ(0, WriteColorSetFile(SampleColors(), path.c_str(), nullptr, nullptr, "t", longName.c_str(), 0));
    EXPECT_EQ("old contents", ReadFileBytes(path));
    ASSERT_EQ(1u, ShownBoxes().size());
    EXPECT_EQ("Can't save file: " + path, ShownBoxes()[0].text);
}

TEST(ColorSetFile, FailedReplaceOfALockedFileKeepsItAndLeavesNoTemporary) {
    std::string dir = TestDir(CurrentTestName());
    std::string path = dir + "locked.col";
    WriteFileBytes(path, "old contents");
    // Another program holds the file open without sharing: the rename fails.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    UseEdition(2);
    ScriptBoxes();
    int result = WriteColorSetFile(SampleColors(), path.c_str(), nullptr, nullptr, "t", nullptr, 0);
    CloseHandle(holder);
    EXPECT_EQ(0, result);
    EXPECT_EQ("old contents", ReadFileBytes(path));
    EXPECT_EQ(0, CountFiles(dir + "LUM*.TMP"));
    ASSERT_EQ(1u, ShownBoxes().size());
    EXPECT_EQ("Can't save file: " + path, ShownBoxes()[0].text);
}

// A disk that fills up: the write fails part-way. The old file must stay
// whole, no temporary file may remain, and the failure is reported.
TEST(ColorSetFile, FullDiskKeepsTheOldFile) {
    const char *drive = getenv("LV_FULL_DRIVE");
    if (!drive) GTEST_SKIP() << "LV_FULL_DRIVE (a tiny tmpfs mapped as a drive) is not set";
    std::string root = drive;
    std::string path = root + "full.col";
    std::string filler = root + "filler.bin";
    DeleteFileA(filler.c_str());
    WriteFileBytes(path, "old contents");
    // Fill the disk up to the last byte.
    HANDLE f = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, f);
    std::string block(512, 'x');
    DWORD written = 1;
    while (WriteFile(f, block.data(), (DWORD)block.size(), &written, nullptr) && written == block.size()) {
    }
    for (written = 1; WriteFile(f, "x", 1, &written, nullptr) && written == 1;) {
    }
    CloseHandle(f);
    UseEdition(2);
    ScriptBoxes();
    EXPECT_EQ(0, WriteColorSetFile(SampleColors(), path.c_str(), "a", "b", "c", "wall.bmp", 1));
    EXPECT_EQ("old contents", ReadFileBytes(path));
    EXPECT_EQ(0, CountFiles(root + "LUM*.TMP"));
    ASSERT_EQ(1u, ShownBoxes().size());
    EXPECT_EQ("Can't save file: " + path, ShownBoxes()[0].text);
    DeleteFileA(filler.c_str());
    DeleteFileA(path.c_str());
}

}  // namespace
