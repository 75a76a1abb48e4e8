// Save As in the running program: the dialog's fields and button, the
// names it saves under, its questions and messages, what it remembers for
// the next Save As, the wallpaper check box and the first-run save.
#include "../../resources/resource.h"
#include "dialog_driver.h"

namespace {

const char kSaveAsEnglish[] = "Save New Data";
const char kSaveAsJapanese[] = "ファイルの保管";

// One Save As: the name and English title typed, then Save, with no box.
bool SaveOnce(const Windowed &w, const std::string &name, const std::string &title) {
    HWND dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    if (!dialog) return false;
    TypeInto(dialog, IDC_FILENAME, name);
    TypeInto(dialog, IDC_TITLE_ENGLISH, title);
    Press(dialog, IDOK);
    bool ended = WaitDestroyed(dialog);
    Settle(w);
    return ended;
}

// Files of a directory other than the program itself.
std::vector<std::string> FilesIn(const std::string &dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string n = fd.cFileName;
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !SameTextNoCase(n, "LUMVAN32.EXE")) names.push_back(n);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return names;
}

class SaveAsTest : public testing::Test {
protected:
    void SetUp() override {
        SetProfileValue("Desktop", "Wallpaper", "");
        SetDesktopColors(StartingColors());
    }
    void TearDown() override {
        CloseWindowed(w);
        SetProfileValue("Desktop", "Wallpaper", "");
    }
    Windowed w;
};

using SaveAs = SaveAsTest;

TEST_F(SaveAs, FirstOpeningHasAnEmptyNameAndTheSaveButtonFollowsIt) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    ASSERT_TRUE(dialog) << "no Save As dialog";
    EXPECT_EQ("", FieldText(dialog, IDC_FILENAME));
    EXPECT_EQ("", FieldText(dialog, IDC_TITLE_ENGLISH));
    EXPECT_FALSE(ControlExists(dialog, IDC_TITLE_PRIMARY)) << "the English template has one title field";
    EXPECT_FALSE(ControlExists(dialog, IDC_TITLE_SIBLING));
    EXPECT_FALSE(ControlEnabled(dialog, IDOK)) << "save starts disabled";
    struct {
        const char *typed;
        bool enabled;
    } steps[] = {{"s", true}, {"sunset", true}, {"", false}, {"x", true}, {"", false}};
    for (const auto &s : steps) {
        TypeInto(dialog, IDC_FILENAME, s.typed);
        EXPECT_EQ(s.enabled, ControlEnabled(dialog, IDOK)) << "name \"" << s.typed << "\"";
    }
    Press(dialog, IDCANCEL);
    EXPECT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    EXPECT_TRUE(FilesIn(p.dir).empty()) << "cancel writes nothing";
}

TEST_F(SaveAs, NamesWithoutExtensionGetTheDefaultOne) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    CreateDirectoryA((p.dir + "a.b").c_str(), nullptr);
    w = StartWindowed(p);
    struct {
        const char *typed;
        const char *saved;
        const char *title;
        const char *listed;  // the list entry, or null when the list shows none
    } cases[] = {
        {"sunset", "sunset.col", "Sunset", "(sunset.col)\tSunset"},
        {"sunset.txt", "sunset.txt", "Sunset text", nullptr},
        // The last '.' lies before the last '\': c has no extension.
        {"a.b\\c", "a.b\\c.col", "Under a.b", nullptr},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(SaveOnce(w, c.typed, c.title)) << c.typed;
        std::string path = p.dir + c.saved;
        ASSERT_TRUE(Exists(path)) << c.typed << " should save " << c.saved;
        EXPECT_EQ(std::vector<std::string>{std::string("[ENGLISH] ") + c.title}, TitleSections(path)) << c.saved;
        EXPECT_EQ(StartingColors(), ColorsOfFile(path)) << "the colors on screen, " << c.saved;
        if (c.listed) {
            EXPECT_TRUE(ListHas(FileEntries(w.list), c.listed)) << c.listed;
        }
    }
    EXPECT_FALSE(Exists(p.dir + "sunset.txt.col"));
    EXPECT_FALSE(Exists(p.dir + "a.b\\c"));
}

TEST_F(SaveAs, WildcardNameShowsItsMessageAndSavesNothing) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    ASSERT_TRUE(dialog);
    for (const char *typed : {"*.col", "a?.col", "sun*"}) {
        TypeInto(dialog, IDC_FILENAME, typed);
        Press(dialog, IDOK);
        Box box = FindBox(w.program);
        ASSERT_TRUE(box.window) << typed << ": no message";
        EXPECT_EQ("Wild Characters are included in file name.", box.text) << typed;
        EXPECT_EQ("Lumivane", box.caption);
        EXPECT_TRUE(box.hasOk && !box.hasYes && !box.hasCancel) << typed;
        EXPECT_EQ(dialog, box.owner) << "owned by the dialog";
        Answer(box, IDOK);
        Settle(w);
        EXPECT_TRUE(IsWindowVisible(dialog)) << typed << ": the dialog stays";
        EXPECT_EQ(typed, FieldText(dialog, IDC_FILENAME)) << "the field keeps what was typed";
    }
    Press(dialog, IDCANCEL);
    WaitDestroyed(dialog);
    Settle(w);
    EXPECT_TRUE(FilesIn(p.dir).empty());
}

TEST_F(SaveAs, ExistingNameAsksNoStaysAndYesOverwrites) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    std::string before = ReadBytes(p.dir + "dusk.col");
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    ASSERT_TRUE(dialog);
    TypeInto(dialog, IDC_FILENAME, "dusk");
    TypeInto(dialog, IDC_TITLE_ENGLISH, "Evening");
    Press(dialog, IDOK);
    Box box = FindBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("dusk.col is already exit. Shall I replace the file?", box.text);
    EXPECT_EQ("Lumivane", box.caption);
    EXPECT_TRUE(box.hasYes && box.hasNo && !box.hasCancel);
    EXPECT_EQ(dialog, box.owner);
    Answer(box, IDNO);
    Settle(w);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "No stays in the dialog";
    EXPECT_EQ("dusk", FieldText(dialog, IDC_FILENAME)) << "without the appended extension";
    EXPECT_EQ(before, ReadBytes(p.dir + "dusk.col"));

    Press(dialog, IDOK);
    box = FindBox(w.program);
    ASSERT_TRUE(box.window);
    Answer(box, IDYES);
    EXPECT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    EXPECT_EQ(std::vector<std::string>{"[ENGLISH] Evening"}, TitleSections(p.dir + "dusk.col"));
    EXPECT_EQ(StartingColors(), ColorsOfFile(p.dir + "dusk.col"));
    EXPECT_TRUE(ListHas(FileEntries(w.list), "(dusk.col)\tEvening"));
}

TEST_F(SaveAs, AbsoluteNameSavesThereAndTheNextSaveAsProposesIt) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    std::string other = FreshDir(CurrentTestName() + "_other");
    w = StartWindowed(p);
    ASSERT_TRUE(SaveOnce(w, other + "mine", "Mine"));
    EXPECT_TRUE(Exists(other + "mine.col"));
    EXPECT_FALSE(Exists(p.dir + "mine.col"));

    // The next Save As proposes the last values, the name selected whole.
    HWND dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    ASSERT_TRUE(dialog);
    std::string proposed = other + "mine.col";
    EXPECT_EQ(proposed, FieldText(dialog, IDC_FILENAME));
    EXPECT_EQ(std::make_pair(0, (int)proposed.size()), FieldSelection(dialog, IDC_FILENAME));
    EXPECT_EQ("Mine", FieldText(dialog, IDC_TITLE_ENGLISH));
    EXPECT_TRUE(ControlEnabled(dialog, IDOK)) << "a proposed name can be saved at once";
    // A bare name now goes to WorkDir, the directory of the last name; an
    // emptied title is saved as an empty title.
    TypeInto(dialog, IDC_FILENAME, "rel");
    TypeInto(dialog, IDC_TITLE_ENGLISH, "");
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    EXPECT_TRUE(Exists(other + "rel.col"));
    EXPECT_FALSE(Exists(p.dir + "rel.col"));
    EXPECT_EQ(std::vector<std::string>{"[ENGLISH] "}, TitleSections(other + "rel.col"));

    // A bare name leaves WorkDir as it was.
    ASSERT_TRUE(SaveOnce(w, "again", "Again"));
    EXPECT_TRUE(Exists(other + "again.col"));
    EXPECT_TRUE(FilesIn(p.dir).empty());
}

// A name with a relative directory is resolved once: the next Save As
// proposes a name that saves the same file again.
TEST_F(SaveAs, RelativeDirectoryIsAppliedOnce) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    CreateDirectoryA((p.dir + "sub").c_str(), nullptr);
    CreateDirectoryA((p.dir + "sub\\sub").c_str(), nullptr);
    w = StartWindowed(p);
    ASSERT_TRUE(SaveOnce(w, "sub\\first", "First"));
    ASSERT_TRUE(Exists(p.dir + "sub\\first.col"));
    HWND dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    ASSERT_TRUE(dialog);
    std::string proposed = FieldText(dialog, IDC_FILENAME);
    EXPECT_TRUE(SameTextNoCase(p.dir + "sub\\first.col", proposed)) << proposed;
    TypeInto(dialog, IDC_TITLE_ENGLISH, "Again");
    Press(dialog, IDOK);
    Box box = FindBox(w.program);
    ASSERT_TRUE(box.window) << "the replace question for the same file";
    EXPECT_EQ(proposed + " is already exit. Shall I replace the file?", box.text);
    Answer(box, IDYES);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    EXPECT_EQ(std::vector<std::string>{"[ENGLISH] Again"}, TitleSections(p.dir + "sub\\first.col"));
    EXPECT_TRUE(FilesIn(p.dir + "sub\\sub\\").empty());
}

TEST_F(SaveAs, WallpaperCheckBoxFollowsTheDesktop) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"lvtile.bmp"});
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(ControlEnabled(dialog, IDC_WITH_WALLPAPER)) << "no wallpaper in force";
    EXPECT_FALSE(Checked(dialog, IDC_WITH_WALLPAPER));
    Press(dialog, IDCANCEL);
    WaitDestroyed(dialog);
    Settle(w);

    SetProfileValue("Desktop", "Wallpaper", (p.dir + "lvtile.bmp").c_str());
    SetProfileValue("Desktop", "TileWallpaper", "1");
    dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(ControlEnabled(dialog, IDC_WITH_WALLPAPER));
    EXPECT_FALSE(Checked(dialog, IDC_WITH_WALLPAPER));
    Click(dialog, IDC_WITH_WALLPAPER);
    EXPECT_TRUE(Checked(dialog, IDC_WITH_WALLPAPER));
    TypeInto(dialog, IDC_FILENAME, "papered");
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    std::vector<std::string> lines = FileLines(p.dir + "papered.col");
    ASSERT_GE(lines.size(), 3u);
    std::vector<std::string> tail(lines.end() - 3, lines.end());
    EXPECT_EQ((std::vector<std::string>{"[WallPaper]", "Wallpaper= lvtile.bmp", "TileWallpaper= 1"}), tail);

    // Without a wallpaper the box keeps its mark but is disabled, and the
    // file has no wallpaper section.
    SetProfileValue("Desktop", "Wallpaper", "(none)");
    dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsEnglish);
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(ControlEnabled(dialog, IDC_WITH_WALLPAPER));
    EXPECT_TRUE(Checked(dialog, IDC_WITH_WALLPAPER)) << "the flag is kept between dialogs";
    TypeInto(dialog, IDC_FILENAME, "plain");
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    std::string text = ReadBytes(p.dir + "plain.col");
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(std::string::npos, text.find("[WallPaper]")) << text;
}

// The first start after the association was written asks whether to save
// the current colors; Yes opens Save As filled for owners.col.
struct FirstRunCase {
    const char *label;
    int button;  // pressed in the Save As dialog
    bool saved;
};

class SaveAsFirstRun : public SaveAsTest, public testing::WithParamInterface<FirstRunCase> {};

TEST_P(SaveAsFirstRun, OwnersFileIsProposedAndTheListIsRebuilt) {
    const FirstRunCase &c = GetParam();
    ProgramDir p = PrepareProgram(CurrentTestName());
    SetProfileValue("extensions", "col", nullptr);
    w = StartWindowed(p, true);
    Box question = FindBox(w.program);
    ASSERT_TRUE(question.window) << "no first-run question";
    EXPECT_EQ("Do you want to save 'current system color setteing'?", question.text);
    // A file that arrives after the list was built shows once it is rebuilt.
    ASSERT_TRUE(WriteBytes(p.dir + "late.col", ColorSetText("Late", 0x123456)));
    EXPECT_FALSE(ListHas(FileEntries(w.list), "(late.col)\tLate"));
    Answer(question, IDYES);
    HWND dialog = WaitWindowTitled(w.program, "#32770", kSaveAsEnglish);
    ASSERT_TRUE(dialog);
    EXPECT_EQ("owners.col", FieldText(dialog, IDC_FILENAME));
    EXPECT_EQ(std::make_pair(0, 10), FieldSelection(dialog, IDC_FILENAME));
    EXPECT_EQ("Owners Default Color", FieldText(dialog, IDC_TITLE_ENGLISH));
    EXPECT_TRUE(ControlEnabled(dialog, IDOK));
    Press(dialog, c.button);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    EXPECT_EQ(c.saved, Exists(p.dir + "owners.col")) << c.label;
    std::vector<std::string> files = FileEntries(w.list);
    EXPECT_TRUE(ListHas(files, "(late.col)\tLate")) << c.label << ": the list is rebuilt";
    EXPECT_EQ(c.saved, ListHas(files, "(owners.col)\tOwners Default Color")) << c.label;
    if (c.saved) {
        EXPECT_EQ(std::vector<std::string>{"[ENGLISH] Owners Default Color"}, TitleSections(p.dir + "owners.col"));
        EXPECT_EQ(StartingColors(), ColorsOfFile(p.dir + "owners.col"));
    }
}

INSTANTIATE_TEST_SUITE_P(SaveAs, SaveAsFirstRun,
                         testing::Values(FirstRunCase{"save", IDOK, true}, FirstRunCase{"cancel", IDCANCEL, false}));

// The Japanese editions' templates: their title fields and the sections
// each edition's save writes.
struct EditionCase {
    const char *exeName;
    const char *listed;  // the list shows the edition's own title
    bool hasPrimary;
    std::vector<std::string> sections;
    std::vector<std::string> ownersSections;
};

class SaveAsJapanese : public SaveAsTest, public testing::WithParamInterface<EditionCase> {
protected:
    void SetUp() override {
        if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
        SaveAsTest::SetUp();
    }
};

TEST_P(SaveAsJapanese, TitlesOfTheEditionAreSaved) {
    const EditionCase &c = GetParam();
    ProgramDir p = PrepareProgram(CurrentTestName(), c.exeName);
    w = StartWindowed(p);
    HWND dialog = OpenDialog(w, IDM_SAVEAS, kSaveAsJapanese);
    ASSERT_TRUE(dialog) << c.exeName;
    EXPECT_EQ(c.hasPrimary, ControlExists(dialog, IDC_TITLE_PRIMARY));
    EXPECT_TRUE(ControlExists(dialog, IDC_TITLE_SIBLING));
    EXPECT_TRUE(ControlExists(dialog, IDC_TITLE_ENGLISH));
    EXPECT_FALSE(ControlEnabled(dialog, IDOK));

    TypeInto(dialog, IDC_FILENAME, "夕日*");
    Press(dialog, IDOK);
    Box box = FindBox(w.program);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("ファイル名にワイルドカード文字が含まれています", box.text);
    Answer(box, IDOK);
    Settle(w);

    TypeInto(dialog, IDC_FILENAME, "夕日ソ表");
    if (c.hasPrimary) TypeInto(dialog, IDC_TITLE_PRIMARY, "夕日");
    TypeInto(dialog, IDC_TITLE_SIBLING, "ゆうひ");
    TypeInto(dialog, IDC_TITLE_ENGLISH, "Sunset");
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    std::string path = p.dir + "夕日ソ表.col";
    ASSERT_TRUE(Exists(path)) << "a name whose trail byte is '\\' gets its extension";
    EXPECT_EQ(c.sections, TitleSections(path));
    EXPECT_TRUE(ListHas(FileEntries(w.list), c.listed)) << c.listed;
}

TEST_P(SaveAsJapanese, FirstRunProposesTheJapaneseTitles) {
    const EditionCase &c = GetParam();
    ProgramDir p = PrepareProgram(CurrentTestName(), c.exeName);
    SetProfileValue("extensions", "col", nullptr);
    w = StartWindowed(p, true);
    Box question = FindBox(w.program);
    ASSERT_TRUE(question.window);
    EXPECT_EQ("現在の色設定をファイルに保存しますか？", question.text);
    Answer(question, IDYES);
    HWND dialog = WaitWindowTitled(w.program, "#32770", kSaveAsJapanese);
    ASSERT_TRUE(dialog);
    EXPECT_EQ("owners.col", FieldText(dialog, IDC_FILENAME));
    if (c.hasPrimary) {
        EXPECT_EQ("オーナー・デフォルト", FieldText(dialog, IDC_TITLE_PRIMARY));
    }
    EXPECT_EQ("オーナー・デフォルト", FieldText(dialog, IDC_TITLE_SIBLING));
    EXPECT_EQ("Owners Default Color", FieldText(dialog, IDC_TITLE_ENGLISH));
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitDestroyed(dialog));
    Settle(w);
    EXPECT_EQ(c.ownersSections, TitleSections(p.dir + "owners.col"));
    EXPECT_TRUE(ListHas(FileEntries(w.list), "(owners.col)\tオーナー・デフォルト"));
}

INSTANTIATE_TEST_SUITE_P(
    Editions, SaveAsJapanese,
    testing::Values(
        EditionCase{"LUMVAN32.EXE", "(夕日ソ表.col)\t夕日", true,
                    {"[LUMIVANE] 夕日", "[VELTINA] ゆうひ", "[ENGLISH] Sunset"},
                    {"[LUMIVANE] オーナー・デフォルト", "[VELTINA] オーナー・デフォルト",
                     "[ENGLISH] Owners Default Color"}},
        EditionCase{"VELTINA.EXE", "(夕日ソ表.col)\tゆうひ", false,
                    {"[VELTINA] ゆうひ", "[ENGLISH] Sunset"},
                    {"[VELTINA] オーナー・デフォルト", "[ENGLISH] Owners Default Color"}}));

}  // namespace
