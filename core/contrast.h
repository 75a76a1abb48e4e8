// How readable one color is on another: the contrast ratio of WCAG 2, from
// 1 (the same luminance) to 21 (black on white). Text needs 4.5 at least to
// be read easily. Pure.
#pragma once
#include <stdint.h>

#include "colorset.h"

double ContrastRatio(int32_t text, int32_t background);
// The ratio text on a background needs to be read easily.
inline constexpr double kReadableContrast = 4.5;

// Each text on its background: the window, the menu bar, the active title
// bar, the selected item, the button face, the inactive title bar, the
// tooltip (the last two beyond what a .col file holds).
struct TextOnBackground {
    int text, background;  // element indexes
};
inline constexpr TextOnBackground kTextPairs[] = {
    {kColorWindowText, kColorWindow},       {kColorMenuText, kColorMenu},
    {kColorTitleText, kColorActiveTitle},   {kColorHilightText, kColorHilight},
    {kColorButtonText, kColorButtonFace},   {kColorInactiveTitleText, kColorInactiveTitle},
    {kColorInfoText, kColorInfoWindow}};
