// The editor's sample scene, 320 by 220 pixels with lines of 16: where each element's own color shows whatever the
// font draws, and what a click selects.
#include "core/scene.h"
#include "test_support.h"

TEST(Scene, SamplePointsAndClicks) {
    const SceneLayout scene = LayOutScene(320, 220, 16);
    struct { int x, y, element; } cases[] = {  // -1: outside the scene
        // x    y    element: at each element's sample point, then elsewhere
        {300,  160, kColorScrollbar},
        {38,   173, kColorBackground},
        {301,  81,  kColorActiveTitle},
        {15,   19,  kColorInactiveTitle},
        {303,  101, kColorMenu},
        {85,   205, kColorWindow},
        {76,   140, kColorWindowFrame},
        {90,   109, kColorMenuText},
        {86,   123, kColorWindowText},
        {90,   81,  kColorTitleText},
        {79,   140, kColorActiveBorder},
        {7,    66,  kColorInactiveBorder},
        {15,   118, kColorAppWorkspace},
        {199,  101, kColorHilight},
        {146,  109, kColorHilightText},
        {211,  183, kColorButtonFace},
        {286,  193, kColorButtonShadow},
        {92,   152, kColorGrayText},
        {242,  202, kColorButtonText},
        {150,  122, kColorWindowText},   // on the window's text
        {150,  82,  kColorTitleText},    // on the caption's words
        {212,  195, kColorButtonFace},   // on the button, away from its word
        {320,  0,   -1},
        {-1,   100, -1},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        if (i < kElementCount) {
            EXPECT_EQ(c.x * 1000 + c.y, scene.sample[c.element].x * 1000 + scene.sample[c.element].y) << "row " << i;
        }
        EXPECT_EQ(c.element, HitTestScene(scene, c.x, c.y)) << "row " << i;
    }
}
