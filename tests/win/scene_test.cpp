// The editor's scene as the program draws it, into a bitmap of 320 by 220 pixels in the system font: each element's
// color at its sample point, for two color sets (the words drawn over the scene never cover one).
#include "../../commands/scene.h"
#include "script.h"

TEST(Scene, EachElementShowsItsColor) {
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 320, 220);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap), oldFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA font = {};
    GetTextMetricsA(dc, &font);
    const SceneLayout layout = LayOutScene(320, 220, font.tmHeight);
    SceneWords words;
    UseEdition(GetACP() == 932 ? kEditionPrimary : kEditionEnglish);
    LoadSceneWords(&words);
    for (int set = 0; set < 2; set++) {
        ColorSet colors;  // nineteen colors that all differ, and differ from one set to the other
        for (int i = 0; i < kElementCount; i++) colors.value[i] = RGB(13 * i, set ? 250 - 9 * i : 7 * i, 40 + 11 * set);
        DrawScene(dc, layout, colors, words);
        for (int i = 0; i < kElementCount; i++)
            EXPECT_EQ((COLORREF)colors.value[i], GetPixel(dc, layout.sample[i].x, layout.sample[i].y))
                << ElementNames[i] << ", set " << set;
    }
    SelectObject(dc, oldFont), SelectObject(dc, oldBitmap), DeleteObject(bitmap), DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}
