// The editor's sample scene: where each element's own color shows whatever the font draws, and what a click selects.
#include "core/scene.h"
#include "test_support.h"

// At three sizes and line heights, each element's sample point lies inside the scene and a click there selects that
// element; a click outside selects none.
TEST(Scene, EverySamplePointSelectsItsElement) {
    const struct { int width, height, line; } sizes[] = {{200, 140, 16}, {320, 220, 16}, {480, 330, 24}};
    for (const auto &size : sizes) {
        const SceneLayout scene = LayOutScene(size.width, size.height, size.line);
        for (int e = 0; e < kElementCount; e++) {
            const ScenePoint p = scene.sample[e];
            EXPECT_TRUE(p.x >= 0 && p.x < size.width && p.y >= 0 && p.y < size.height) << ElementNames[e];
            EXPECT_EQ(e, HitTestScene(scene, p.x, p.y)) << ElementNames[e] << " in " << size.width << "x" << size.height;
        }
        EXPECT_EQ(-1, HitTestScene(scene, size.width, 0));
        EXPECT_EQ(-1, HitTestScene(scene, -1, size.height / 2));
    }
}

// A click on a word selects the word's element; beside it, the part under it.
TEST(Scene, WordsSelectTheirElement) {
    const SceneLayout scene = LayOutScene(320, 220, 16);
    struct { int x, y, element; } cases[] = {
        // x    y    element
        {150,  122, kColorWindowText},  // on the window's text
        {150,  82,  kColorTitleText},   // on the caption's words
        {212,  195, kColorButtonFace},  // on the button, away from its word
    };
    for (size_t i = 0; i < std::size(cases); i++)
        EXPECT_EQ(cases[i].element, HitTestScene(scene, cases[i].x, cases[i].y)) << "row " << i;
}
