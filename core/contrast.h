// How readable one color is on another: the contrast ratio of WCAG 2, from
// 1 (the same luminance) to 21 (black on white). Text needs 4.5 at least to
// be read easily. Pure.
#pragma once
#include <stdint.h>

// The relative luminance of a color 0x00BBGGRR, 0 (black) to 1 (white).
double RelativeLuminance(int32_t color);
double ContrastRatio(int32_t text, int32_t background);
// The ratio text on a background needs to be read easily.
inline constexpr double kReadableContrast = 4.5;
