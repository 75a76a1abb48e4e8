// Started with a file name, the program applies it and ends: real process
// starts under Wine, with the colors and settings read back afterwards.
#include <string.h>

#include "fixture.h"

namespace {

Program StartWith(const ProgramDir &p, const std::string &argumentText) {
    return Start(p.exe, "\"" + p.exe + "\" " + argumentText, p.dir);
}

TEST(CmdLine, AppliesTheFileColorsAndEndsWithoutWindow) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    SetDesktopColors(StartingColors());
    Program run = StartWith(p, p.dir + "dusk.col");
    EXPECT_EQ(0, WaitExit(run));
    EXPECT_EQ(ColorsOfFile(p.dir + "dusk.col"), ReadDesktopColors());
}

TEST(CmdLine, RelativeNameIsResolvedAgainstTheCurrentDirectory) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"slate.col"});
    SetDesktopColors(StartingColors());
    Program run = StartWith(p, "slate.col");
    EXPECT_EQ(0, WaitExit(run));
    EXPECT_EQ(ColorsOfFile(p.dir + "slate.col"), ReadDesktopColors());
}

TEST(CmdLine, WallpaperBesideTheProgramIsSetWithItsTileFlag) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"meadow.col", "lvtile.bmp"});
    SetDesktopColors(StartingColors());
    SetProfileValue("Desktop", "TileWallpaper", "0");
    std::string elsewhere = FreshDir(CurrentTestName() + "_cwd");
    Program run = Start(p.exe, "\"" + p.exe + "\" " + p.dir + "meadow.col", elsewhere);
    EXPECT_EQ(0, WaitExit(run));
    EXPECT_EQ(ColorsOfFile(p.dir + "meadow.col"), ReadDesktopColors());
    std::string wallpaper = ProbeWallpaper();
    EXPECT_NE(std::string::npos, wallpaper.find("lvtile.bmp")) << wallpaper;
    EXPECT_EQ("1", ProfileValue("Desktop", "TileWallpaper"));
}

TEST(CmdLine, MissingWallpaperIsReportedAndTheColorsStayApplied) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"meadow.col"});
    SetDesktopColors(StartingColors());
    SetProfileValue("Desktop", "TileWallpaper", "0");
    Program run = StartWith(p, p.dir + "meadow.col");
    Box box = WaitBox(run);
    ASSERT_TRUE(box.window) << "no message box";
    EXPECT_EQ("Wall Paper File lvtile.bmp not Found", box.text);
    EXPECT_EQ("Lumivane", box.caption);
    EXPECT_TRUE(box.hasOk);
    EXPECT_EQ(nullptr, box.owner);
    EXPECT_EQ(ColorsOfFile(p.dir + "meadow.col"), ReadDesktopColors());
    Answer(box, IDOK);
    EXPECT_EQ(0, WaitExit(run));
    EXPECT_EQ("0", ProfileValue("Desktop", "TileWallpaper")) << "nothing is written for a missing bitmap";
}

// The argument text is used as it stands: quotes and trailing blanks stay.
struct VerbatimCase {
    const char *label;
    const char *prefix;
    const char *suffix;
};

class CmdLineVerbatim : public testing::TestWithParam<VerbatimCase> {};

TEST_P(CmdLineVerbatim, ArgumentIsUsedAsItStands) {
    const VerbatimCase &c = GetParam();
    ProgramDir p = PrepareProgram(CurrentTestName());
    SetDesktopColors(StartingColors());
    std::string argument = std::string(c.prefix) + p.dir + "missing.col" + c.suffix;
    Program run = StartWith(p, argument);
    Box box = WaitBox(run);
    ASSERT_TRUE(box.window) << c.label;
    EXPECT_EQ("Can't access file: " + argument, box.text) << c.label;
    EXPECT_EQ("Lumivane", box.caption);
    Answer(box, IDOK);
    EXPECT_EQ(0, WaitExit(run));
    EXPECT_EQ(StartingColors(), ReadDesktopColors()) << "nothing applied";
}

INSTANTIATE_TEST_SUITE_P(Cases, CmdLineVerbatim,
                         testing::Values(VerbatimCase{"quoted", "\"", "\""}, VerbatimCase{"trailing blanks", "", "  "},
                                         VerbatimCase{"quoted with blanks", "\"", "\"   "}));

TEST(CmdLine, TextFileThatIsNoColorSetChangesNothingAndShowsNothing) {
    ProgramDir p = PrepareProgram(CurrentTestName());
    WriteBytes(p.dir + "notes.col", "Just some notes\r\nScrollbar= 1 2 3\r\n");
    SetDesktopColors(StartingColors());
    Program run = StartWith(p, p.dir + "notes.col");
    EXPECT_EQ(0, WaitExit(run, 15000)) << "a message box would keep it running";
    EXPECT_EQ(StartingColors(), ReadDesktopColors());
}

TEST(CmdLine, TooLongArgumentIsRefusedNeverCut) {
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"dusk.col"});
    SetDesktopColors(StartingColors());
    // 131 bytes fit the path buffer; this names dusk.col after 140 bytes of
    // "./" steps, which a cut would turn into another path.
    std::string argument;
    while (argument.size() < 140) argument += ".\\";
    argument += "dusk.col";
    Program run = StartWith(p, argument);
    Box box = WaitBox(run);
    ASSERT_TRUE(box.window);
    EXPECT_EQ(0u, box.text.find("Can't access file: ")) << box.text;
    Answer(box, IDOK);
    EXPECT_EQ(0, WaitExit(run));
    EXPECT_EQ(StartingColors(), ReadDesktopColors());
}

TEST(CmdLine, FirstStartWritesTheAssociationWithoutAsking) {
    // A base name longer than the class name holds is written whole.
    for (const char *exe : {"LUMVAN32.EXE", "LUMIVANE-EDITION2.EXE"}) {
        ProgramDir p = PrepareProgram(CurrentTestName(), exe, {"dusk.col"});
        SetProfileValue("extensions", "col", "other.exe ^.col");
        Program run = StartWith(p, p.dir + "dusk.col");
        EXPECT_EQ(0, WaitExit(run));
        std::string base = std::string(exe).substr(0, strlen(exe) - 4);
        EXPECT_EQ(base + ".exe ^.col", ProfileValue("extensions", "col"));
    }
}

// The Japanese editions: code page 932, chosen by the executable's name.
struct EditionCase {
    const char *exeName;
    const char *caption;  // TitleString in Shift-JIS
};

class CmdLineJapanese : public testing::TestWithParam<EditionCase> {};

TEST_P(CmdLineJapanese, EditionFollowsTheExecutableName) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    const EditionCase &c = GetParam();
    ProgramDir p = PrepareProgram(CurrentTestName(), c.exeName);
    std::string argument = p.dir + "missing.col";
    Program run = StartWith(p, argument);
    Box box = WaitBox(run);
    ASSERT_TRUE(box.window);
    EXPECT_EQ(c.caption, box.caption) << Hex(box.caption);
    EXPECT_EQ(argument + "にアクセスできません。", box.text);
    Answer(box, IDOK);
    EXPECT_EQ(0, WaitExit(run));
}

INSTANTIATE_TEST_SUITE_P(Names, CmdLineJapanese,
                         testing::Values(EditionCase{"LUMVAN32.EXE", "るみべいん"},
                                         EditionCase{"lumvan32.exe", "るみべいん"},
                                         EditionCase{"LUMVAN32A.EXE", "ヴェルティナ"},
                                         EditionCase{"VELTINA.EXE", "ヴェルティナ"}));

TEST(CmdLineJapaneseWallpaper, MissingBitmapUsesTheJapaneseMessage) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    ProgramDir p = PrepareProgram(CurrentTestName(), "LUMVAN32.EXE", {"meadow.col"});
    SetDesktopColors(StartingColors());
    Program run = StartWith(p, p.dir + "meadow.col");
    Box box = WaitBox(run);
    ASSERT_TRUE(box.window);
    EXPECT_EQ("壁紙ファイル lvtile.bmp が見つかりません。", box.text);
    EXPECT_EQ(ColorsOfFile(p.dir + "meadow.col"), ReadDesktopColors());
    Answer(box, IDOK);
    EXPECT_EQ(0, WaitExit(run));
}

TEST(CmdLineJapaneseWallpaper, ShiftJisNameWithBackslashTrailByteIsApplied) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    // 表 is 0x95 0x5C: a byte scan would cut the directory at its second byte.
    ProgramDir p = PrepareProgram(CurrentTestName() + "_表ソ", "LUMVAN32.EXE", {"slate.col"});
    SetDesktopColors(StartingColors());
    Program run = StartWith(p, p.dir + "slate.col");
    EXPECT_EQ(0, WaitExit(run));
    EXPECT_EQ(ColorsOfFile(p.dir + "slate.col"), ReadDesktopColors());
}

}  // namespace
