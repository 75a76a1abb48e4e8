// Theme files as the program reads them: every encoding brought into the system code page, the name the list shows,
// the colors, and a wallpaper taken only when its file is there.
#include "../../colors/setfile.h"
#include "../../colors/theme.h"
#include "../../core/resource.h"
#include "script.h"

static std::string Utf16(const std::wstring &text) {  // little-endian, after its byte-order mark
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) bytes += std::string{(char)(c & 0xFF), (char)(c >> 8)};
    return bytes;
}

TEST(Theme, EveryEncodingInTheSystemCodePage) {
    const std::string sea = GetACP() == 932 ? "海" : "base", path = FreshDir() + "base.theme";
    const std::string colors = "\r\n[Control Panel\\Colors]\r\nWindow=4 5 6\r\n", nul(1, '\0');
    // A name from a module: only a file of the Windows directory named by its absolute path is ever loaded. The
    // strings are the program's own (this test carries its resources), copied there and beside the Windows directory.
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string self = DriverDir() + "lv_win_tests.exe", name = "DisplayName=@", english = ",-42" + colors;
    CopyFileA(self.c_str(), (windows + std::string("\\lv_names.dll")).c_str(), FALSE);
    CopyFileA(self.c_str(), (windows + std::string("\\..\\lv_names.dll")).c_str(), FALSE);
    SetCurrentDirectoryA(windows);  // where a search would find a bare name
    struct { std::string bytes, title; } cases[] = {  // title "-": no theme
        // the file's bytes                                                            its title
        {"[Theme]\r\nDisplayName=Sea" + colors, "Sea"},
        {"[Theme]\r\nDisplayName=" + colors, "base"},
        {"\xEF\xBB\xBF[Theme]\r\nDisplayName=\xE6\xB5\xB7" + colors, sea},  // UTF-8 海, with its mark
        {"[Theme]\r\nDisplayName=\xE6\xB5\xB7" + colors, sea},               // and without
        {Utf16(L"[Theme]\r\nDisplayName=\u6D77\r\n[Control Panel\\Colors]\r\nWindow=4 5 6\r\n"), sea},
        {"[Theme]\r\n" + name + "%SystemRoot%\\lv_names.dll" + english, "Lumivane"},
        {"[Theme]\r\n" + name + "%SystemRoot%\\lv_names.dll,-2" + colors, GetACP() == 932 ? "　我々は、ルミベインだ。" : "base"},
        {"[Theme]\r\n" + name + self + english, "base"},                          // outside the Windows directory
        {"[Theme]\r\n" + name + "%SystemRoot%\\..\\lv_names.dll" + english, "base"},  // and out of it again
        {"[Theme]\r\n" + name + "lv_names.dll" + english, "base"},                 // found only by a search
        {"[Theme]\r\n" + name + "\\\\host\\share\\lv_names.dll" + english, "base"},  // on the network
        {"[Theme]\r\nDisplayName=Sea" + nul + colors, "-"}};
    UseEdition(kEditionEnglish);
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        WriteBytes(path, c.bytes);
        char title[kPathCap] = "old";
        ColorSet set;
        ScriptBoxes();
        EXPECT_EQ(c.title, ReadColorSetTitle(path.c_str(), title, sizeof title) ? title : "-") << "row " << i;
        EXPECT_EQ(c.title != "-", ReadColorSetColors(&set, path.c_str()) && set.value[5] == 0x060504) << "row " << i;
    }
    SetCurrentDirectoryA("C:\\");
    WriteBytes(path, "[Control Panel\\Colors]\r\nInfoWindow=1 2 300\r\n");  // no color given well
    ScriptBoxes();
    ColorSet set;
    EXPECT_FALSE(ReadColorSetColors(&set, path.c_str()));
    EXPECT_EQ(std::vector<std::string>{"No system colors to use in theme file: " + path}, ShownTexts());
}

TEST(Theme, WallpaperOnlyWhenItsFileIsThere) {
    const std::string dir = FreshDir();
    WriteBytes(dir + "paper.bmp", "BM");
    SetEnvironmentVariableA("LV_PAPER", dir.c_str());
    struct { std::string value, found; } cases[] = {  // "-": none
        // Wallpaper= ...                               path and tile
        {"%LV_PAPER%paper.bmp\r\nTileWallpaper=1",      dir + "paper.bmp|1"},
        {"%LV_PAPER%gone.bmp",                          "-"},
        {"%LV_PAPER%" + std::string(250, 'w'),          "-"},  // never cut to fit
        {std::string(300, 'w'),                         "-"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        char path[kFullPathCap] = "old";
        int32_t tile = 7;
        const std::string text = "[Control Panel\\Desktop]\r\nWallpaper=" + cases[i].value;
        bool found = ThemeWallpaper(text.c_str(), path, sizeof path, &tile);
        EXPECT_EQ(cases[i].found, found ? path + ("|" + std::to_string(tile)) : "-") << "row " << i;
    }
}
