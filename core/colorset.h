// The nineteen system color elements and the color set that moves through
// every layer of the program. Pure code.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum { kElementCount = 19 };
// The elements, in the order of the platform's COLOR_ constants.
enum ColorElement {
    kColorScrollbar, kColorBackground, kColorActiveTitle, kColorInactiveTitle, kColorMenu, kColorWindow,
    kColorWindowFrame, kColorMenuText, kColorWindowText, kColorTitleText, kColorActiveBorder, kColorInactiveBorder,
    kColorAppWorkspace, kColorHilight, kColorHilightText, kColorButtonFace, kColorButtonShadow, kColorGrayText,
    kColorButtonText
};
// A kept element: leave it at the desktop's current color when applied.
const int32_t kKeepColor = -1;

struct ColorSet {
    int32_t value[kElementCount];  // 0x00BBGGRR or kKeepColor
};

// Key names in win.ini "colors" and in color-set files, index order 0..18.
// A name that is a prefix of another stands at a lower index.
extern const char *const ElementNames[kElementCount];
// 0, 1, ..., 18: the element numbers passed with the values to SetSysColors.
extern const int ElementList[kElementCount];
// The colors of the greeting; elements 13 to 18 are kept.
extern const ColorSet GreetingColors;
// Every element kept.
extern const ColorSet AllKept;
// Elements 4 to 9 go through the display's nearest solid color.
bool IsNearestColorElement(int index);

// True when every element matches, where a kept value matches anything.
bool ColorsMatch(const ColorSet &a, const ColorSet &b);
// "R G B" in decimal for win.ini; the top byte is ignored.
void FormatRgbText(int32_t value, char *out, size_t cap);
int32_t MakeColor(int r, int g, int b);
