// The editor's sample scene: where each element's own color shows whatever the font draws, and what a click selects.
#include "core/scene.h"
#include "test_support.h"

static const int kWidths[kSceneWordCount] = {96, 30, 30, 80, 100, 20, 60, 60, 30, 24, 36};

// At three sizes and line heights, in either drawing style: each element's sample point lies inside the scene and a
// click there selects it; every element the desktop draws with is shown; a click on a word selects its element, and
// just beside the word what lies behind it; a click outside selects none.
TEST(Scene, EverySamplePointSelectsItsElement) {
    const struct { int width, height, line; } sizes[] = {{280, 200, 16}, {320, 220, 16}, {480, 330, 24}};
    for (const auto &size : sizes)
        for (bool modern : {false, true}) {
            const SceneLayout scene = LayOutScene(size.width, size.height, size.line, kWidths, {modern, modern});
            for (int e = 0; e < kSystemColorCount; e++) {
                const ScenePoint p = scene.sample[e];
                // Gradients and flat menus show only in the modern style; ButtonAlternateFace never.
                bool shown = e != kColorButtonAlternateFace &&
                             (modern || (e != kColorGradientActiveTitle && e != kColorGradientInactiveTitle &&
                                         e != kColorMenuBar && e != kColorMenuHilight));
                EXPECT_EQ(shown, p.x >= 0 && p.x < size.width && p.y >= 0 && p.y < size.height)
                    << ElementNames[e] << " in " << size.width << "x" << size.height << (modern ? ", modern" : "");
                if (shown) EXPECT_EQ(e, HitTestScene(scene, p.x, p.y)) << ElementNames[e] << " in " << size.width;
            }
            for (int k = 0; k < scene.partCount; k++) {  // a word: on it, its element; just right of it, another
                const SceneRect &r = scene.parts[k].rect;
                const int e = scene.parts[k].element, y = (r.top + r.bottom) / 2;
                if (scene.parts[k].kind != kPartText) continue;
                EXPECT_EQ(e, HitTestScene(scene, (r.left + r.right) / 2, y)) << ElementNames[e] << " in " << size.width;
                EXPECT_NE(e, HitTestScene(scene, r.right, y)) << ElementNames[e] << " in " << size.width;
            }
            EXPECT_EQ(-1, HitTestScene(scene, size.width, 0));
            EXPECT_EQ(-1, HitTestScene(scene, -1, size.height / 2));
        }
}
