// The wallpaper in force, read from win.ini "Desktop", and applying one.
#include "../../colors/apply.h"
#include "../../colors/wallpaper.h"
#include "win_fixture.h"

namespace {

TEST(Wallpaper, CurrentWallpaperFromTheDesktopSettings) {
    const struct {
        const char *value;  // null: no key
        const char *tile;   // null: no key
        bool inForce;
        const char *name;
        int tileValue;
    } cases[] = {
        {"C:\\WIN\\CLOUDS.BMP", "1", true, "CLOUDS.BMP", 1},
        {"D:CLOUDS.BMP", nullptr, true, "CLOUDS.BMP", 0},
        {"CLOUDS.BMP", "2", true, "CLOUDS.BMP", 2},
        {"C:\\WIN\\", "0", true, "", 0},
        {"(None)", "1", false, nullptr, 0},
        {"(NONE)", "1", false, nullptr, 0},
        {"(なし)", "1", false, nullptr, 0},
        {"", "1", false, nullptr, 0},
        {nullptr, "1", false, nullptr, 0},
    };
    for (const auto &c : cases) {
        WriteProfileStringA("Desktop", "Wallpaper", c.value);
        WriteProfileStringA("Desktop", "TileWallpaper", c.tile);
        char name[260] = "untouched";
        int32_t tile = -7;
        const char *label = c.value ? c.value : "(no key)";
        EXPECT_EQ(c.inForce, ReadCurrentWallpaper(name, sizeof name, &tile)) << label;
        EXPECT_STREQ(c.inForce ? c.name : "untouched", name) << label;
        EXPECT_EQ(c.inForce ? c.tileValue : -7, tile) << label;
    }
}

TEST(Wallpaper, ShiftJisNameStaysWhole) {
    if (!JapaneseCodePage()) GTEST_SKIP() << "needs code page 932";
    WriteProfileStringA("Desktop", "Wallpaper", "C:\\WIN\\表紙.BMP");
    char name[260];
    int32_t tile;
    ASSERT_TRUE(ReadCurrentWallpaper(name, sizeof name, &tile));
    EXPECT_STREQ("表紙.BMP", name);
}

TEST(Wallpaper, MissingBitmapIsReportedAndNothingWritten) {
    UseEdition(2);
    WriteProfileStringA("Desktop", "TileWallpaper", "5");
    ScriptBoxes();
    ApplyWallpaper(nullptr, "no-such-wallpaper.bmp", 1);
    ASSERT_EQ(1u, ShownBoxes().size());
    EXPECT_EQ("Wall Paper File no-such-wallpaper.bmp not Found", ShownBoxes()[0].text);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), ShownBoxes()[0].type);
    EXPECT_EQ(5, (int)GetProfileIntA("Desktop", "TileWallpaper", -1));
}

// Applying a file's wallpaper from the list: each wallpaper message is the
// panel's, the name too long to be a file's included.
TEST(Wallpaper, FileWallpaperMessagesBelongToTheOwner) {
    std::string dir = TestDir(CurrentTestName());
    const struct {
        const char *label;
        std::string name;
        std::string shown;
    } cases[] = {
        {"missing bitmap", "no-such.bmp", "no-such.bmp"},
        {"name longer than a wallpaper's", std::string(300, 'w'), std::string(259, 'w')},
    };
    HWND owner = CreateWindowA("STATIC", "owner", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner);
    UseEdition(2);
    for (const auto &c : cases) {
        std::string path = dir + "paper.col";
        WriteFileBytes(path, "[WindowsSystemColors]\r\n[ListOfColors]\r\n[WallPaper]\r\nWallpaper= " + c.name + "\r\n");
        ScriptBoxes();
        ApplyColorSetFile(owner, path.c_str(), kFromList);
        ASSERT_EQ(1u, ShownBoxes().size()) << c.label;
        EXPECT_EQ("Wall Paper File " + c.shown + " not Found", ShownBoxes()[0].text) << c.label;
        EXPECT_EQ(owner, ShownBoxes()[0].owner) << c.label;
    }
    DestroyWindow(owner);
}

TEST(Wallpaper, BitmapInTheWindowsDirectoryIsFoundAndTheTileFlagKept) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    std::string bmp = std::string(windows) + "\\lvwintest.bmp";
    // A 1x1 24-bit bitmap.
    static const unsigned char kBitmap[] = {
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
        0,   0,   0,  0, 0, 0, 4, 0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0};
    ASSERT_TRUE(WriteFileBytes(bmp, std::string((const char *)kBitmap, sizeof kBitmap)));
    UseEdition(2);
    ScriptBoxes();
    ApplyWallpaper(nullptr, "lvwintest.bmp", 2);
    EXPECT_TRUE(ShownBoxes().empty());
    EXPECT_EQ(2, (int)GetProfileIntA("Desktop", "TileWallpaper", -1));
    char path[MAX_PATH] = "";
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0);
    EXPECT_NE(nullptr, strstr(path, "lvwintest.bmp")) << path;
    DeleteFileA(bmp.c_str());
}

}  // namespace
