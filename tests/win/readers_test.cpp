// Reading color-set files: each failure shows its message, with its icon, the edition's caption and no owner.
#include "../../colors/apply.h"
#include "../../colors/setfile.h"
#include "script.h"

TEST(Readers, EachFailureShowsItsMessage) {
    enum Road { kTitle, kColors, kList, kCommandLine, kBeside };  // kBeside: a file name beside the program
    const std::string longName = std::string(110, 'n') + ".col";  // with the directory, longer than a path
    const char *kBad = "[WindowsSystemColors]\r\n[ListOfColors]\r\nscrollbar= 1 2 3\r\n Menu= 1 2 3\r\n\r\n";
    struct { const char *bytes; Road road; Edition edition; std::vector<std::string> boxes; } cases[] = {  // $: path
        // file's bytes (null: none)  read by    edition  boxes shown
        {nullptr, kTitle, kEditionEnglish, {"Can't access file: $"}},
        {nullptr, kList, kEditionEnglish, {"INTERNAL ERROR, File $ not found"}},
        {nullptr, kBeside, kEditionEnglish, {"INTERNAL ERROR, File " + DriverDir() + longName + " not found"}},
        {"hello\r\n", kCommandLine, kEditionEnglish, {}},  // a file of neither form is passed over
        {"hello\r\n", kColors, kEditionPrimary, {"Internal Error, not color-set file"}},
        {"", kList, kEditionEnglish, {"Internal Error, not color-set file"}},
        {"[WindowsSystemColors]\r\n[listofcolors]\r\n", kColors, kEditionEnglish,
         {"Internal Error, Can't find COLORS section in file"}},
        {kBad, kColors, kEditionEnglish, {3, "Unrecognized syntax ecounterd in file"}},  // one box a line, then read
        {kBad, kList, kEditionSibling, {3, "ファイル中に不正な項目があります。"}}};
    std::string path = FreshDir() + "case.col";
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        DeleteFileA(path.c_str());
        if (c.bytes) WriteBytes(path, c.bytes);
        UseEdition(c.edition);
        ColorSet read;
        ScriptBoxes();
        char title[kPathCap];
        ApplyRoad road = c.road == kList ? kFromList : kFromCommandLine;
        const char *file = path.c_str();
        bool badLines = c.bytes == kBad, ok = c.road == kTitle    ? ReadColorSetTitle(file, title, sizeof title)
                                              : c.road == kColors ? ReadColorSetColors(&read, file)
                                              : c.road == kBeside ? ListedFilePathOrTell(longName.c_str(), title, kPathCap)
                                                                  : ApplyColorSetFile(nullptr, file, road);
        EXPECT_EQ(badLines, ok) << "row " << i;
        std::vector<std::string> boxes;
        for (std::string t : c.boxes) boxes.push_back(t.find('$') == t.npos ? t : t.replace(t.find('$'), 1, path));
        EXPECT_EQ(boxes, ShownTexts()) << "row " << i;
        for (const ShownBox &box : g_shown) {
            EXPECT_EQ(badLines ? (UINT)MB_OK : (UINT)(MB_OK | MB_ICONHAND), box.type);
            EXPECT_EQ(g_app.TitleString + std::string(" no owner"), box.caption + (box.owner ? " owned" : " no owner"));
        }
    }
}
