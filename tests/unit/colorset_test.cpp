// The color set: comparison with kept elements, win.ini text, element names.
#include <gtest/gtest.h>

#include <string.h>

#include "core/colorset.h"

namespace {

ColorSet Filled(int32_t base) {
    ColorSet set;
    for (int i = 0; i < kElementCount; i++) set.value[i] = base + i;
    return set;
}

ColorSet With(ColorSet set, int index, int32_t value) {
    set.value[index] = value;
    return set;
}

ColorSet AllKept() {
    ColorSet set;
    for (int i = 0; i < kElementCount; i++) set.value[i] = kKeepColor;
    return set;
}

ColorSet GreetingWithOwnTail() {
    ColorSet set = GreetingColors;
    for (int i = 13; i < kElementCount; i++) set.value[i] = 0x00123456 + i;
    return set;
}

TEST(ColorsMatch, KeptElementsMatchAnything) {
    struct Case {
        const char *name;
        ColorSet a, b;
        int expected;
    } cases[] = {
        {"a set with itself", Filled(0x100), Filled(0x100), 1},
        {"all kept against any set", AllKept(), Filled(0x100), 1},
        {"all kept against all kept", AllKept(), AllKept(), 1},
        {"greeting against a set equal at 0 to 12", GreetingColors, GreetingWithOwnTail(), 1},
        {"greeting against a set that differs at 12", GreetingColors, With(GreetingWithOwnTail(), 12, 0x0060FFC4), 0},
        {"differs at the first element", Filled(0x100), With(Filled(0x100), 0, 0), 0},
        {"differs at the last element", Filled(0x100), With(Filled(0x100), 18, 0), 0},
        {"a kept element does not hide other differences", With(Filled(0x100), 7, kKeepColor), Filled(0x200) , 0},
        {"only the kept element differs", With(Filled(0x100), 7, kKeepColor), With(Filled(0x100), 7, 0x00FFFFFF), 1},
        {"white is not keep", With(Filled(0x100), 3, 0x00FFFFFF), With(Filled(0x100), 3, 0x01FFFFFF), 0},
        {"all 32 bits compared", With(Filled(0x100), 3, 0x00000001), With(Filled(0x100), 3, 0x01000001), 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.expected, ColorsMatch(c.a, c.b)) << c.name;
        EXPECT_EQ(c.expected, ColorsMatch(c.b, c.a)) << c.name << " (arguments swapped)";
    }
}

TEST(FormatRgbText, RedGreenBlueInDecimal) {
    struct Case {
        int32_t value;
        const char *text;
    } cases[] = {
        {0x00FFFFFF, "255 255 255"},
        {0x00000000, "0 0 0"},
        {0x00800000, "0 0 128"},
        {0x00004080, "128 64 0"},
        {0x00F0FBFF, "255 251 240"},
        {kKeepColor, "255 255 255"},
        {0x7F030201, "1 2 3"},  // the top byte is ignored
    };
    for (const Case &c : cases) {
        char out[16] = "old";
        FormatRgbText(c.value, out, sizeof out);
        EXPECT_STREQ(c.text, out) << "FormatRgbText(0x" << std::hex << c.value << ")";
    }
}

TEST(FormatRgbText, StaysInsideASmallBuffer) {
    char out[8];
    memset(out, 'Z', sizeof out);
    FormatRgbText(0x00FFFFFF, out, 5);
    EXPECT_STREQ("255 ", out);
    EXPECT_EQ('Z', out[5]);
}

TEST(ElementNames, ShorterPrefixStandsFirst) {
    // The color-line reader takes the last name that matches: a name that
    // begins with another name must come after it.
    for (int i = 0; i < kElementCount; i++)
        for (int j = 0; j < kElementCount; j++) {
            if (i == j) continue;
            size_t n = strlen(ElementNames[i]);
            if (strncmp(ElementNames[j], ElementNames[i], n) == 0) {
                EXPECT_LT(i, j) << ElementNames[j] << " begins with " << ElementNames[i];
            }
        }
}

TEST(MakeColor, KeepsTheLowByteOfEachComponent) {
    struct Case {
        int r, g, b;
        int32_t value;
    } cases[] = {
        {128, 64, 0, 0x00004080},
        {300, -1, 256, 0x0000FF2C},
        {255, 255, 255, 0x00FFFFFF},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.value, MakeColor(c.r, c.g, c.b)) << "MakeColor(" << c.r << ", " << c.g << ", " << c.b << ")";
}

}  // namespace
