// Saving and importing never lose a file: whatever step fails, the old file stays whole, no temporary file is left, and
// the user is told.
#include <stdlib.h>

#include "../../colors/colfile.h"
#include "../../colors/entrycolors.h"
#include "../../commands/import.h"
#include "../../core/mbtext.h"
#include "script.h"

// A file held open without sharing can be neither read nor replaced.
static HANDLE Hold(const std::string &p) { return CreateFileA(p.c_str(), GENERIC_READ, 0, 0, OPEN_EXISTING, 0, 0); }

TEST(Files, FailedSaveKeepsTheOldFile) {
    std::string dir = FreshDir(), full = getenv("LV_FULL_DRIVE") ? getenv("LV_FULL_DRIVE") : "";  // a tiny disk
    struct { std::string folder, wallpaper; bool held; } cases[] = {
        // folder            wallpaper                  held by another handle
        {dir,                "",                        true},
        {dir,                std::string(119, 'w'),     false},  // 118 bytes fit a wallpaper's line
        {dir + "none\\",     "",                        false},
        {full,               "w.bmp",                   false},  // a full disk
    };
    UseEdition(kEditionEnglish);
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        std::string path = c.folder + "kept.col";
        if (c.folder.empty()) continue;
        WriteBytes(path, "old");
        HANDLE fill = c.folder == full ? CreateFileA((full + "f").c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0)
                                       : nullptr;
        for (DWORD size = 4096, n = 0; fill && size; size /= 2)  // full to its last byte
            while (WriteFile(fill, std::string(size, 'x').data(), size, &n, nullptr) && n == size) continue;
        HANDLE held = c.held ? Hold(path) : INVALID_HANDLE_VALUE;
        ScriptBoxes();
        EXPECT_EQ(0, WriteColorSetFile(GreetingColors, path.c_str(), "a", "b", "c",
                                       c.wallpaper.empty() ? nullptr : c.wallpaper.c_str(), 1)) << "row " << i;
        CloseHandle(held), CloseHandle(fill);
        EXPECT_EQ(std::vector<std::string>{"Can't save file: " + path}, ShownTexts());
        EXPECT_EQ(c.folder == dir + "none\\" ? "<missing>" : "old", ReadBytes(path)) << "row " << i;
        EXPECT_EQ(0, CountFiles(c.folder + "LUM*.TMP")) << "row " << i;
    }
}

TEST(Files, ImportOutcomes) {
    std::string dir = FreshDir(), from = FreshDir("_from"), there = dir + "a.col", source = from + "a.col";
    const std::string kReplace = there + " is already exit. Shall I replace the file?", kCopy = "Can't copy file: ";
    struct {
        std::string destination, source;
        int answer;
        char held;  // 's' the source, 'd' the destination held open; 'r' the destination read-only
        const char *after;
        std::vector<std::string> boxes;
    } cases[] = {
            // destination      source               answer held  destination after  boxes
            {there, source, IDNO, 0, "old", {kReplace}},
            {there, source, IDYES, 0, "new", {kReplace}},
            {there, from + "none.col", IDYES, 0, "old", {"Can't find file: " + from + "none.col"}},
            {there, source, IDYES, 's', "old", {kReplace, kCopy + source}},
            {dir + "none\\a.col", source, IDYES, 0, "<missing>", {kCopy + source}},  // no temporary file
            {there, source, IDYES, 'd', "old", {kReplace, "Can't rename from " + dir + "LUM"}},
            {there, source, IDYES, 'r', "old", {kReplace, "Can't save file: " + there}}};
    UseEdition(kEditionEnglish);
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        WriteBytes(there, "old"), WriteBytes(source, "new");
        ScriptBoxes({c.answer});
        HANDLE held = c.held == 's' || c.held == 'd' ? Hold(c.held == 's' ? source : there) : INVALID_HANDLE_VALUE;
        SetFileAttributesA(there.c_str(), c.held == 'r' ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(c.after == std::string("new"), ImportFile(c.destination.c_str(), c.source.c_str()));
        CloseHandle(held);
        SetFileAttributesA(there.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(c.after, ReadBytes(c.destination)) << "row " << i;
        EXPECT_EQ(0, CountFiles(dir + "LUM*.TMP"));
        std::vector<std::string> shown = ShownTexts();
        if (c.held == 'd') shown[1] = shown[1].substr(0, c.boxes[1].size());  // "xxxx.TMP to " the destination follows
        EXPECT_EQ(c.boxes, shown) << "row " << i;
    }
}

// The editor's Save patches a file only when every other byte survives (a theme's comments and other sections too): a
// file with a byte-order mark, or with a NUL inside, goes through Save As and stays as it is.
TEST(Files, EditorSaveNeverCutsAFile) {
    const std::string list = "[WindowsSystemColors] VER01.00\r\n[ListOfColors]\r\nMenu= 1 1 1\r\n";
    const std::string paper = std::string("[Notes]\r\na\0b\r\n", 14) + "[WallPaper]\r\nWallpaper= w.bmp\r\n";
    const std::string theme = "; mine\r\n[control panel\\colors]\r\nscrollbar=9 9 x\r\nMenu=1 1 1\r\n\r\n[Sounds]\r\n";
    struct { std::string bytes; EntrySave result; std::string after; } cases[] = {
        // bytes on disk             result              bytes after
        {"\xEF\xBB\xBF" + list,       kEntryNeedsSaveAs,  "\xEF\xBB\xBF" + list},
        {list + paper,               kEntryNeedsSaveAs,  list + paper},
        {theme,                      kEntrySaved,        "; mine\r\n[control panel\\colors]\r\nscrollbar=1 2 3\r\n"
                                                         "Menu=1 1 1\r\nInfoText=4 5 6\r\n\r\n[Sounds]\r\n"},
    };
    UseEdition(kEditionEnglish);
    EntryColors entry = {};
    CopyText(entry.path, sizeof entry.path, (FreshDir() + "e.col").c_str());
    WholeColorSet edited = WholeKept;
    edited.value[kColorScrollbar] = MakeColor(1, 2, 3), edited.value[kColorInfoText] = MakeColor(4, 5, 6);
    for (size_t i = 0; i < std::size(cases); i++) {
        WriteBytes(entry.path, cases[i].bytes);
        entry.bytes = entry.text = cases[i].bytes, entry.colors = WholeKept;
        ScriptBoxes();
        EXPECT_EQ(cases[i].result, SaveEntryColors(nullptr, &entry, edited)) << "row " << i;
        EXPECT_EQ(cases[i].after, ReadBytes(entry.path)) << "row " << i;
        EXPECT_EQ(0u, g_shown.size()) << "row " << i;
    }
}
