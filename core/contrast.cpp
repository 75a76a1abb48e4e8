#include "contrast.h"

#include <math.h>

// One channel of sRGB, 0 to 255, as light.
static double Linear(unsigned channel) {
    double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : pow((c + 0.055) / 1.055, 2.4);
}

// The relative luminance of a color 0x00BBGGRR, 0 (black) to 1 (white).
static double RelativeLuminance(int32_t color) {
    uint32_t v = (uint32_t)color;
    return 0.2126 * Linear(v & 0xFF) + 0.7152 * Linear((v >> 8) & 0xFF) + 0.0722 * Linear((v >> 16) & 0xFF);
}

double ContrastRatio(int32_t text, int32_t background) {
    double a = RelativeLuminance(text), b = RelativeLuminance(background);
    return (fmax(a, b) + 0.05) / (fmin(a, b) + 0.05);
}
