#include "colorset.h"

#include <stdio.h>

const char *const ElementNames[kElementCount] = {
    "Scrollbar",    "Background", "ActiveTitle",  "InactiveTitle",  "Menu",
    "Window",       "WindowFrame", "MenuText",    "WindowText",     "TitleText",
    "ActiveBorder", "InactiveBorder", "AppWorkspace", "Hilight",    "HilightText",
    "ButtonFace",   "ButtonShadow", "GrayText",   "ButtonText",
};

const int ElementList[kElementCount] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};

const ColorSet GreetingColors = {{
    0x003F3F3F, 0x0080FF00, 0x00CF40FF, 0x00FFFFFF, 0x00FFFF00, 0x00FFFFFF, 0x00000000,
    0x00000000, 0x00000000, 0x00FFFFFF, 0x008F80FF, 0x007F7F7F, 0x0060FFC5,
    kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor,
}};

const ColorSet AllKept = {{kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor,
                           kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor,
                           kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor}};

bool IsNearestColorElement(int index) { return index >= 4 && index <= 9; }

bool ColorsMatch(const ColorSet &a, const ColorSet &b) {
    for (int i = 0; i < kElementCount; i++) {
        if (a.value[i] == kKeepColor || b.value[i] == kKeepColor) continue;
        if (a.value[i] != b.value[i]) return false;
    }
    return true;
}

void FormatRgbText(int32_t value, char *out, size_t cap) {
    uint32_t v = (uint32_t)value;
    snprintf(out, cap, "%u %u %u", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int32_t MakeColor(int r, int g, int b) {
    return (int32_t)(((uint32_t)(b & 0xFF) << 16) | ((uint32_t)(g & 0xFF) << 8) | (uint32_t)(r & 0xFF));
}
