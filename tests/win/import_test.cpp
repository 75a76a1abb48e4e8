// Importing a file into the program's directory: the questions and
// messages of each outcome, and a destination that is never lost, whatever
// step fails.
#include "../../commands/add.h"
#include "../../commands/savestate.h"
#include "win_fixture.h"

namespace {

const HWND kMainWindow = (HWND)0x1234;  // seen only by the scripted boxes

struct ExpectedBox {
    std::string text;
    HWND owner;
    UINT type;
};

void ExpectBoxes(const std::vector<ExpectedBox> &expected, const std::string &label) {
    const std::vector<ShownBox> &shown = ShownBoxes();
    ASSERT_EQ(expected.size(), shown.size()) << label;
    for (size_t i = 0; i < expected.size(); i++) {
        EXPECT_EQ(expected[i].text, shown[i].text) << label << ", box " << i;
        EXPECT_EQ(expected[i].owner, shown[i].owner) << label << ", box " << i;
        EXPECT_EQ(expected[i].type, shown[i].type) << label << ", box " << i;
        EXPECT_EQ(g_app.TitleString, shown[i].caption) << label << ", box " << i;
    }
}

bool SameText(const std::string &a, const std::string &b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// Files that an import may leave behind in a directory.
int TempFilesIn(const std::string &dir) { return CountFiles(dir + "LUM*.TMP"); }

// Program directory, source directory, their files.
struct ImportBench {
    std::string dir, sourceDir, source, destination;
    ImportBench(const std::string &name, bool destinationExists) {
        dir = TestDir(name);
        sourceDir = TestDir(name + "_src");
        source = sourceDir + "a.col";
        destination = dir + "a.col";
        WriteFileBytes(source, "new colors");
        if (destinationExists) WriteFileBytes(destination, "old colors");
    }
};

void UseEditionWithMainWindow(int edition) {
    UseEdition(edition);
    g_app.MainWindow = kMainWindow;
}

const char kReplaceEnglish[] = " is already exit. Shall I replace the file?";
const char kReplaceJapanese[] = "がすでにあります。置き換えますか？";

TEST(Import, OutcomesAndTheirQuestions) {
    struct Case {
        const char *label;
        int edition;
        bool destinationExists;
        bool sourceMissing;
        std::vector<int> answers;
        int result;
        const char *destinationAfter;  // null: none
        const char *replaceText;       // the replace question's text after the name, or null
        const char *missingBefore;     // the missing-source message around the name, or null
        const char *missingAfter;
    } cases[] = {
        {"new file", 2, false, false, {}, 1, "new colors", nullptr, nullptr, nullptr},
        {"replace, No", 2, true, false, {IDNO}, 0, "old colors", kReplaceEnglish, nullptr, nullptr},
        {"replace, Yes", 2, true, false, {IDYES}, 1, "new colors", kReplaceEnglish, nullptr, nullptr},
        {"replace, No, Japanese", 0, true, false, {IDNO}, 0, "old colors", kReplaceJapanese, nullptr, nullptr},
        {"replace, Yes, Japanese", 1, true, false, {IDYES}, 1, "new colors", kReplaceJapanese, nullptr, nullptr},
        {"missing source", 2, true, true, {}, 0, "old colors", nullptr, "Can't find file: ", ""},
        {"missing source, Japanese", 0, false, true, {}, 0, nullptr, nullptr, "", "が見つかりません。"},
    };
    for (const Case &c : cases) {
        ImportBench bench(CurrentTestName(), c.destinationExists);
        std::string source = c.sourceMissing ? bench.sourceDir + "none.col" : bench.source;
        UseEditionWithMainWindow(c.edition);
        ScriptBoxes(c.answers);
        EXPECT_EQ(c.result, ImportFile(bench.destination.c_str(), source.c_str())) << c.label;
        std::vector<ExpectedBox> boxes;
        if (c.replaceText)
            boxes.push_back({bench.destination + c.replaceText, kMainWindow, MB_YESNO | MB_ICONQUESTION});
        if (c.missingBefore)
            boxes.push_back({c.missingBefore + source + c.missingAfter, nullptr, MB_OK | MB_ICONHAND});
        ExpectBoxes(boxes, c.label);
        EXPECT_EQ(c.destinationAfter ? c.destinationAfter : "<missing>", ReadFileBytes(bench.destination)) << c.label;
        EXPECT_EQ("new colors", ReadFileBytes(bench.source)) << c.label << ": the source stays";
        EXPECT_EQ(0, TempFilesIn(bench.dir)) << c.label;
    }
}

TEST(Import, FileAlreadyInPlaceIsAskedForAndKept) {
    ImportBench bench(CurrentTestName(), true);
    UseEditionWithMainWindow(2);
    ScriptBoxes({IDYES});
    EXPECT_EQ(1, ImportFile(bench.destination.c_str(), bench.destination.c_str()));
    ExpectBoxes({{bench.destination + kReplaceEnglish, kMainWindow, MB_YESNO | MB_ICONQUESTION}}, "same file");
    EXPECT_EQ("old colors", ReadFileBytes(bench.destination));
    EXPECT_EQ(0, TempFilesIn(bench.dir));
}

// A file held open by another handle without sharing.
struct HeldFile {
    HANDLE handle;
    explicit HeldFile(const std::string &path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() { Release(); }
    void Release() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
};

struct EditionTexts {
    int edition;
    const char *copyBefore, *copyAfter;  // around the source
};

const EditionTexts kEditions[] = {
    {2, "Can't copy file: ", ""},
    {0, "", "をコピーできません。"},
};

TEST(Import, CopyFailureLeavesTheDestinationAsItWas) {
    for (const EditionTexts &e : kEditions) {
        ImportBench bench(CurrentTestName(), true);
        UseEditionWithMainWindow(e.edition);
        HeldFile locked(bench.source);  // no one may read it
        ASSERT_NE(INVALID_HANDLE_VALUE, locked.handle);
        ScriptBoxes({IDYES});
        EXPECT_EQ(0, ImportFile(bench.destination.c_str(), bench.source.c_str())) << "edition " << e.edition;
        locked.Release();
        ExpectBoxes({{bench.destination + (e.edition == 2 ? kReplaceEnglish : kReplaceJapanese), kMainWindow,
                      MB_YESNO | MB_ICONQUESTION},
                     {e.copyBefore + bench.source + e.copyAfter, nullptr, MB_OK | MB_ICONHAND}},
                    "copy failure");
        EXPECT_EQ("old colors", ReadFileBytes(bench.destination));
        EXPECT_EQ("new colors", ReadFileBytes(bench.source));
        EXPECT_EQ(0, TempFilesIn(bench.dir)) << "the temporary copy is removed";
    }
}

TEST(Import, RenameFailureLeavesTheDestinationAsItWas) {
    for (const EditionTexts &e : kEditions) {
        ImportBench bench(CurrentTestName(), true);
        UseEditionWithMainWindow(e.edition);
        HeldFile held(bench.destination);  // it cannot be replaced
        ASSERT_NE(INVALID_HANDLE_VALUE, held.handle);
        ScriptBoxes({IDYES});
        EXPECT_EQ(0, ImportFile(bench.destination.c_str(), bench.source.c_str())) << "edition " << e.edition;
        held.Release();
        const std::vector<ShownBox> &shown = ShownBoxes();
        ASSERT_EQ(2u, shown.size());
        // The temporary file was made beside the destination: LUMxxxx.TMP.
        const std::string &text = shown[1].text;
        std::string head, tail;
        if (e.edition == 2) {
            head = "Can't rename from " + bench.dir + "LUM";
            tail = ".TMP to " + bench.destination;
        } else {
            head = bench.dir + "LUM";
            tail = ".TMP から " + bench.destination + "にファイル名を変更できません。";
        }
        EXPECT_TRUE(SameText(head, text.substr(0, head.size()))) << text;
        ASSERT_GE(text.size(), tail.size());
        EXPECT_TRUE(SameText(tail, text.substr(text.size() - tail.size()))) << text;
        EXPECT_EQ(nullptr, shown[1].owner);
        EXPECT_EQ((UINT)MB_OK, shown[1].type) << "no icon";
        EXPECT_EQ("old colors", ReadFileBytes(bench.destination));
        EXPECT_EQ(0, TempFilesIn(bench.dir)) << "the temporary copy is removed";
    }
}

TEST(Import, NoTemporaryFileMeansNoCopy) {
    ImportBench bench(CurrentTestName(), false);
    std::string destination = bench.dir + "missing\\a.col";  // no such directory
    UseEditionWithMainWindow(2);
    ScriptBoxes();
    EXPECT_EQ(0, ImportFile(destination.c_str(), bench.source.c_str()));
    ExpectBoxes({{"Can't copy file: " + bench.source, nullptr, MB_OK | MB_ICONHAND}}, "no temporary file");
    EXPECT_FALSE(PathExists(destination));
}

}  // namespace
