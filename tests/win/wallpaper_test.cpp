// The wallpaper in force saved with the colors, and the messages of one that cannot be set.
#include "../../colors/apply.h"
#include "../../colors/syscolors.h"
#include "../../commands/saveas.h"
#include "../../commands/savestate.h"
#include "script.h"

// Saved with the wallpaper in force: its file name, whatever directory or drive the setting names, and its tile flag;
// nothing for "(none)".
TEST(Wallpaper, SavedWithTheColors) {
    std::string path = FreshDir() + "papered.col";
    struct { const char *value, *section; } cases[] = {
        {"D:\\WIN\\CLOUDS.BMP", "[WallPaper]\r\nWallpaper= CLOUDS.BMP\r\nTileWallpaper= 2\r\n"},
        {"(NONE)", "ButtonText= "}};
    SetProfile("Desktop", "TileWallpaper", "2");
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        SetProfile("Desktop", "Wallpaper", c.value);
        g_saveState.fileName.Set(path.c_str());
        g_saveState.withWallpaper = true;
        SaveColors(DesktopColorSet());
        std::string text = ReadBytes(path);
        EXPECT_NE(text.npos, text.find(c.section, text.size() - 60)) << c.value << "\n" << text;
    }
    ResetSaveState();
}

// From the list, every wallpaper message is the panel's, a name too long to be a file's included; a file that is no
// picture is refused before the system is asked. Nothing is written; the colors are applied all the same.
TEST(Wallpaper, MissingOnesAreToldToTheOwner) {
    const std::string dir = FreshDir(), path = dir + "paper.col", notes = dir + "notes.bmp", empty = dir + "empty.bmp";
    WriteBytes(notes, "Not a picture at all"), WriteBytes(empty, "");
    HWND owner = CreateWindowA("STATIC", "owner", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    struct { Edition edition; std::string name, told; } cases[] = {
        {kEditionEnglish, "gone.bmp", "Wall Paper File gone.bmp not Found"},
        {kEditionEnglish, std::string(300, 'w'), "Wall Paper File " + std::string(259, 'w') + " not Found"},
        {kEditionEnglish, notes, "Wall Paper File " + notes + " can't be set as Wall Paper"},
        {kEditionEnglish, empty, "Wall Paper File " + empty + " can't be set as Wall Paper"},
        {kEditionSibling, "gone.bmp", "壁紙ファイル gone.bmp が見つかりません。"}};
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        if (!kEditions[c.edition].english && GetACP() != 932) break;
        WriteBytes(path, "[WindowsSystemColors]\r\n[ListOfColors]\r\n[WallPaper]\r\nWallpaper= " + c.name +
                             "\r\nTileWallpaper= 1");
        SetProfile("Desktop", "TileWallpaper", "5");
        UseEdition(c.edition);
        ScriptBoxes();
        EXPECT_EQ(1, ApplyColorSetFile(owner, path.c_str(), kFromList));
        EXPECT_EQ(std::vector<std::string>{c.told}, ShownTexts());
        EXPECT_EQ(owner, g_shown[0].owner);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), g_shown[0].type);
        EXPECT_EQ("5", Profile("Desktop", "TileWallpaper")) << "nothing is written";
    }
    DestroyWindow(owner);
}
