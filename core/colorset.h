// The desktop's system colors: one table of every element, and the two
// color sets that move through the program: ColorSet, the nineteen elements
// a color-set file holds, and WholeColorSet, every element of the desktop.
// Every per-element list is made from the table. Pure code.
#pragma once
#include <stddef.h>
#include <stdint.h>

// The kinds of file that hold an element.
enum ElementHolder : unsigned {
    kHeldByColorSetFile = 1,  // .col files, and so a ColorSet
    kHeldByScheme = 2,        // control-panel schemes in control.ini
    kHeldByTheme = 4,         // desktop themes, and win.ini "colors"
};

struct ElementRow {
    int index;         // the system color index (the platform's COLOR_ constant)
    const char *name;  // its key in themes, in win.ini "colors" and in color-set files
    unsigned holders;  // ElementHolder bits
    int schemeField;   // its position 1..13 in a scheme line; 0 when schemes do not hold it
};

// Every element, in index order. A name that is a prefix of another stands
// at a lower index (the color-set reader takes the last name that begins a
// line). The first nineteen are a color-set file's, in its order.
inline constexpr unsigned kColSchemeTheme = kHeldByColorSetFile | kHeldByScheme | kHeldByTheme;
inline constexpr unsigned kColTheme = kHeldByColorSetFile | kHeldByTheme;
inline constexpr ElementRow kElementTable[] = {
    {0, "Scrollbar", kColSchemeTheme, 13},         {1, "Background", kColSchemeTheme, 1},
    {2, "ActiveTitle", kColSchemeTheme, 7},        {3, "InactiveTitle", kColSchemeTheme, 8},
    {4, "Menu", kColSchemeTheme, 5},               {5, "Window", kColSchemeTheme, 3},
    {6, "WindowFrame", kColSchemeTheme, 12},       {7, "MenuText", kColSchemeTheme, 6},
    {8, "WindowText", kColSchemeTheme, 4},         {9, "TitleText", kColSchemeTheme, 9},
    {10, "ActiveBorder", kColSchemeTheme, 10},     {11, "InactiveBorder", kColSchemeTheme, 11},
    {12, "AppWorkspace", kColSchemeTheme, 2},      {13, "Hilight", kColTheme, 0},
    {14, "HilightText", kColTheme, 0},             {15, "ButtonFace", kColTheme, 0},
    {16, "ButtonShadow", kColTheme, 0},            {17, "GrayText", kColTheme, 0},
    {18, "ButtonText", kColTheme, 0},              {19, "InactiveTitleText", kHeldByTheme, 0},
    {20, "ButtonHilight", kHeldByTheme, 0},        {21, "ButtonDkShadow", kHeldByTheme, 0},
    {22, "ButtonLight", kHeldByTheme, 0},          {23, "InfoText", kHeldByTheme, 0},
    {24, "InfoWindow", kHeldByTheme, 0},           {25, "ButtonAlternateFace", kHeldByTheme, 0},
    {26, "HotTrackingColor", kHeldByTheme, 0},     {27, "GradientActiveTitle", kHeldByTheme, 0},
    {28, "GradientInactiveTitle", kHeldByTheme, 0}, {29, "MenuHilight", kHeldByTheme, 0},
    {30, "MenuBar", kHeldByTheme, 0},
};

// Every element of the desktop (31).
constexpr int kSystemColorCount = (int)(sizeof kElementTable / sizeof kElementTable[0]);
constexpr int CountElementsHeldBy(unsigned holder) {
    int n = 0;
    for (const ElementRow &row : kElementTable) n += (row.holders & holder) ? 1 : 0;
    return n;
}
// The elements of a color-set file, and of a ColorSet: 0 to 18.
enum { kElementCount = CountElementsHeldBy(kHeldByColorSetFile) };

// The elements, in the order of the platform's COLOR_ constants.
enum ColorElement {
    kColorScrollbar, kColorBackground, kColorActiveTitle, kColorInactiveTitle, kColorMenu, kColorWindow,
    kColorWindowFrame, kColorMenuText, kColorWindowText, kColorTitleText, kColorActiveBorder, kColorInactiveBorder,
    kColorAppWorkspace, kColorHilight, kColorHilightText, kColorButtonFace, kColorButtonShadow, kColorGrayText,
    kColorButtonText, kColorInactiveTitleText, kColorButtonHilight, kColorButtonDkShadow, kColorButtonLight,
    kColorInfoText, kColorInfoWindow, kColorButtonAlternateFace, kColorHotTrackingColor, kColorGradientActiveTitle,
    kColorGradientInactiveTitle, kColorMenuHilight, kColorMenuBar
};
static_assert(kColorMenuBar + 1 == kSystemColorCount, "one constant per row of the element table");
// A kept element: leave it at the desktop's current color when applied.
const int32_t kKeepColor = -1;

// The nineteen elements of a color-set file.
struct ColorSet {
    int32_t value[kElementCount];  // 0x00BBGGRR or kKeepColor
};
// Every element of the desktop: what a theme names, what Fix makes permanent.
struct WholeColorSet {
    int32_t value[kSystemColorCount];  // 0x00BBGGRR or kKeepColor
};

// Key names of every element in index order (kSystemColorCount of them).
extern const char *const *const ElementNames;
// 0, 1, ..., 30: the element numbers passed with the values to SetSysColors.
extern const int *const ElementList;
bool ElementHeldBy(int element, unsigned holder);

// A set written by hand, one value per element of a color-set file: a value
// too few or too many does not compile.
template <size_t N>
constexpr ColorSet ColorSetOf(const int32_t (&values)[N]) {
    static_assert(N == kElementCount, "one value per element of a color-set file");
    ColorSet set = {};
    for (size_t i = 0; i < N; i++) set.value[i] = values[i];
    return set;
}

// The colors of the greeting; elements 13 to 18 are kept.
extern const ColorSet GreetingColors;
// Every element kept.
extern const ColorSet AllKept;
extern const WholeColorSet WholeKept;
// A color-set file's elements as a whole set, every other element kept; and
// the nineteen of a whole set.
WholeColorSet WholeOf(const ColorSet &set);
ColorSet ColorSetPart(const WholeColorSet &whole);
// Elements 4 to 9 go through the display's nearest solid color.
bool IsNearestColorElement(int index);

// True when every element matches, where a kept value matches anything.
bool ColorsMatch(const ColorSet &a, const ColorSet &b);
// "R G B" in decimal for win.ini; the top byte is ignored.
void FormatRgbText(int32_t value, char *out, size_t cap);
int32_t MakeColor(int r, int g, int b);
