// The editor's scene as the program draws it, into a bitmap of 320 by 220 pixels in the system font, in both drawing
// styles: each element's color at its sample point, for two color sets (gradients at their ends, 3-D edges, words
// drawn over the scene never covering one).
#include "../../controls/scene.h"
#include "../../platform/gdi.h"
#include "script.h"

TEST(Scene, EachElementShowsItsColor) {
    WindowDC screen(nullptr);
    MemoryDC memory(CreateCompatibleDC(screen.Get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 320, 220));
    HDC dc = memory.Get();
    Selection drawn(dc, bitmap.Get()), font(dc, GetStockObject(SYSTEM_FONT));
    SceneWords words;
    UseEdition(GetACP() == 932 ? kEditionPrimary : kEditionEnglish);
    LoadSceneWords(&words);
    for (int set = 0; set < 2; set++) {
        const SceneLayout layout = LayOutSceneFor(dc, 320, 220, words, {set == 1, set == 1});
        WholeColorSet colors;  // colors that all differ, and differ from one set to the other
        for (int i = 0; i < kSystemColorCount; i++)
            colors.value[i] = RGB(8 * i, set ? 250 - 7 * i : 5 * i, 40 + 11 * set);
        DrawScene(dc, layout, colors, words);
        for (int i = 0; i < kSystemColorCount; i++)
            if (layout.sample[i].x >= 0) {
                EXPECT_EQ((COLORREF)colors.value[i], GetPixel(dc, layout.sample[i].x, layout.sample[i].y))
                    << ElementNames[i] << ", set " << set;
            }
    }
}
