// What users see of the program: its version resource read back with the version API, in Japanese and in English,
// agreeing with every edition's About text; and the caption buttons of its windows.
#include "../../core/resource.h"
#include "script.h"

TEST(Resources, VersionAgreesWithTheAboutTexts) {
    const std::string exe = DriverDir() + "LUMVAN32.EXE";
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_TRUE(!info.empty() && GetFileVersionInfoA(exe.c_str(), 0, (DWORD)info.size(), info.data())) << exe;
    auto value = [&](const std::string &block, const char *key) {
        char *text = nullptr;
        UINT length = 0;
        std::string path = "\\StringFileInfo\\" + block + "\\" + key;
        return VerQueryValueA(info.data(), path.c_str(), (void **)&text, &length) && text ? std::string(text) : "-";
    };
    const int lines[] = {IDS_ABOUT_PRIMARY_2, IDS_ABOUT_SIBLING_2, IDS_ABOUT_ENGLISH_2};  // each ends in the version
    char about[3][128];
    for (int i = 0; i < 3; i++) LoadStringA(nullptr, lines[i], about[i], sizeof about[i]);
    for (const char *block : {"041103A4", "040904E4"}) {  // Japanese in code page 932, English in 1252
        const std::string version = value(block, "FileVersion");
        EXPECT_EQ("Lumivane|LUMVAN32.EXE|" + version, value(block, "ProductName") + "|" +
                  value(block, "OriginalFilename") + "|" + value(block, "ProductVersion")) << block;
        for (const std::string text : about)
            EXPECT_EQ(" " + version, text.substr(text.size() - std::min(text.size(), version.size() + 1))) << text;
    }
}

// The caption buttons in every window and picture: Wine draws them with Marlett, which the prefix must hold. The close
// box is then a cross, the same mirrored left to right; without Marlett it is the letter "r" of another font.
TEST(Resources, CloseBoxIsACrossNotALetter) {
    const int w = 24, h = 22;
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT r = {0, 0, w, h};
    DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::string picture;  // inside the button's 3-D edges: whatever is not its face is the glyph
    int inked = 0, unmirrored = 0;
    for (int y = 3; y < h - 3; y++, picture += '\n')
        for (int x = 3; x < w - 3; x++) {
            bool here = GetPixel(dc, x, y) != face;
            picture += here ? '#' : '.';
            inked += here;
            unmirrored += here != (GetPixel(dc, w - 1 - x, y) != face);
        }
    SelectObject(dc, previous), DeleteObject(bitmap), DeleteDC(dc), ReleaseDC(nullptr, screen);
    EXPECT_TRUE(inked > 8 && unmirrored == 0) << picture;
}
