// Scheme lines of the control panel's store: 13 hexadecimal numbers.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>

#include "core/capacity.h"
#include "core/scheme_codec.h"

namespace {

enum {
    kScrollbar = 0, kBackground = 1, kActiveTitle = 2, kInactiveTitle = 3, kMenu = 4, kWindow = 5,
    kWindowFrame = 6, kMenuText = 7, kWindowText = 8, kTitleText = 9, kActiveBorder = 10,
    kInactiveBorder = 11, kAppWorkspace = 12,
};

// Positions 1 to 13 of a scheme line, as element indexes.
const int kPositioned[13] = {kBackground, kAppWorkspace, kWindow, kWindowText, kMenu, kMenuText, kActiveTitle,
                             kInactiveTitle, kTitleText, kActiveBorder, kInactiveBorder, kWindowFrame, kScrollbar};

// The current desktop colors: distinct, none of them a value of the cases.
ColorSet Current() {
    ColorSet set;
    for (int i = 0; i < kElementCount; i++) set.value[i] = 0x00ABC000 + i;
    return set;
}

ColorSet CurrentWith(std::initializer_list<std::pair<int, int32_t>> values) {
    ColorSet set = Current();
    for (auto &v : values) set.value[v.first] = v.second;
    return set;
}

// The current colors with all thirteen positioned elements set to zero but
// the given ones.
ColorSet PositionedZeroWith(std::initializer_list<std::pair<int, int32_t>> values) {
    ColorSet set = Current();
    for (int index : kPositioned) set.value[index] = 0;
    for (auto &v : values) set.value[v.first] = v.second;
    return set;
}

std::string Hex(int32_t v) {
    char buf[16];
    snprintf(buf, sizeof buf, "0x%08X", (unsigned)v);
    return buf;
}

::testing::AssertionResult SameColors(const ColorSet &expected, const ColorSet &actual) {
    std::string diff;
    for (int i = 0; i < kElementCount; i++)
        if (expected.value[i] != actual.value[i])
            diff += "\n  element " + std::to_string(i) + ": expected " + Hex(expected.value[i]) + ", got " +
                    Hex(actual.value[i]);
    if (diff.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "colors differ:" << diff;
}

const char kSunsetLine[] = "808000,C0C0C0,FFFFFF,0,FFFFFF,0,800000,FFFFFF,FFFFFF,C0C0C0,C0C0C0,0,C0C0C0";

ColorSet SunsetScheme() {
    return CurrentWith({{kBackground, 0x808000}, {kAppWorkspace, 0xC0C0C0}, {kWindow, 0xFFFFFF},
                        {kWindowText, 0}, {kMenu, 0xFFFFFF}, {kMenuText, 0}, {kActiveTitle, 0x800000},
                        {kInactiveTitle, 0xFFFFFF}, {kTitleText, 0xFFFFFF}, {kActiveBorder, 0xC0C0C0},
                        {kInactiveBorder, 0xC0C0C0}, {kWindowFrame, 0}, {kScrollbar, 0xC0C0C0}});
}

TEST(DecodeSchemeLine, FieldsGoToTheirElements) {
    struct Case {
        const char *line;
        ColorSet expected;
    } cases[] = {
        {"FF,,80", CurrentWith({{kBackground, 0xFF}, {kAppWorkspace, 0}, {kWindow, 0x80}})},
        {"FF, 80", PositionedZeroWith({{kBackground, 0xFF}})},  // the blank is never consumed
        {"FFGG", PositionedZeroWith({{kBackground, 0xFF}})},
        {"1,2,3,4,5,6,7,8,9,A,B,C,D,E,F",
         CurrentWith({{kBackground, 1}, {kAppWorkspace, 2}, {kWindow, 3}, {kWindowText, 4}, {kMenu, 5},
                      {kMenuText, 6}, {kActiveTitle, 7}, {kInactiveTitle, 8}, {kTitleText, 9},
                      {kActiveBorder, 10}, {kInactiveBorder, 11}, {kWindowFrame, 12}, {kScrollbar, 13}})},
        {"c0c0c0", CurrentWith({{kBackground, 0xC0C0C0}})},
        {"C0C0C0", CurrentWith({{kBackground, 0xC0C0C0}})},
        {"aBcDeF", CurrentWith({{kBackground, 0xABCDEF}})},
        {",FF", CurrentWith({{kBackground, 0xFF}})},
        {"FF,,", CurrentWith({{kBackground, 0xFF}, {kAppWorkspace, 0}, {kWindow, 0}})},
        {"FF,80,", CurrentWith({{kBackground, 0xFF}, {kAppWorkspace, 0x80}, {kWindow, 0}})},
        {"", Current()},
        {"123456789", CurrentWith({{kBackground, 0x23456789}})},  // the highest digit shifts out
        {"FFFFFFFF", CurrentWith({{kBackground, -1}})},
        {kSunsetLine, SunsetScheme()},
    };
    for (const Case &c : cases) {
        ColorSet set = Current();
        DecodeSchemeLine(c.line, &set);
        EXPECT_TRUE(SameColors(c.expected, set)) << "line \"" << c.line << "\"";
    }
}

TEST(ParseHex, ReadsDigitsAndStopsAtOtherBytes) {
    struct Case {
        const char *text;
        uint32_t value;
        size_t used;
    } cases[] = {
        {"FF", 0xFF, 2},           {"0", 0, 1},         {"", 0, 0},
        {"xyz", 0, 0},             {",1", 0, 0},        {" 1", 0, 0},
        {"1g", 1, 1},              {"C0c0C0,", 0xC0C0C0, 6},
        {"\x83\x5C", 0, 0},        {"FFFFFFFF", 0xFFFFFFFF, 8},
        {"123456789", 0x23456789, 9},
        {"0000000000000010", 0x10, 16},
    };
    for (const Case &c : cases) {
        const char *p = c.text;
        EXPECT_EQ(c.value, ParseHex(&p)) << "ParseHex(\"" << c.text << "\")";
        EXPECT_EQ(c.used, (size_t)(p - c.text)) << "bytes used of \"" << c.text << "\"";
    }
}

TEST(FormatHex, UpperCaseWithoutLeadingZeros) {
    struct Case {
        uint32_t value;
        const char *digits;
    } cases[] = {
        {0, "0"},           {16, "10"},         {0x10, "10"},
        {0x100000, "100000"}, {0x100010, "100010"}, {0xC0C0C0, "C0C0C0"},
        {0xABCDEF, "ABCDEF"}, {0xFFFFFFFF, "FFFFFFFF"}, {0x80000000, "80000000"},
    };
    for (const Case &c : cases) {
        char text[16] = "x,";
        EXPECT_TRUE(FormatHex(text, sizeof text, c.value));
        EXPECT_STREQ((std::string("x,") + c.digits).c_str(), text) << "FormatHex(" << Hex((int32_t)c.value) << ")";
    }
}

TEST(FormatHex, RefusesDigitsThatDoNotFit) {
    struct Case {
        const char *start;
        uint32_t value;
        size_t cap;
        bool ok;
    } cases[] = {
        {"AB", 0xFF, 5, true},
        {"AB", 0x100, 5, false},
        {"", 0xFFFFFFFF, 9, true},
        {"", 0xFFFFFFFF, 8, false},
        {"", 0, 1, false},
        {"", 0, 0, false},
        {"ABC", 0, 3, false},  // no NUL within cap
    };
    for (const Case &c : cases) {
        char text[16];
        memset(text, 'Z', sizeof text);
        memcpy(text, c.start, strlen(c.start) + 1);
        char before[16];
        memcpy(before, text, sizeof text);
        bool ok = FormatHex(text, c.cap, c.value);
        EXPECT_EQ(c.ok, ok) << "FormatHex(\"" << c.start << "\", cap " << c.cap << ", " << Hex((int32_t)c.value) << ")";
        if (!ok) {
            EXPECT_EQ(0, memcmp(before, text, sizeof text)) << "\"" << c.start << "\" changed";
        }
        for (size_t i = c.cap; i < sizeof text; i++)
            if (text[i] != before[i]) ADD_FAILURE() << "byte " << i << " written with cap " << c.cap;
    }
}

TEST(EncodeSchemeLine, SunsetExample) {
    char line[kLineCap];
    EncodeSchemeLine(SunsetScheme(), line, sizeof line);
    EXPECT_STREQ(kSunsetLine, line);
}

TEST(EncodeSchemeLine, RoundTrip) {
    ColorSet allOnes, mixed;
    for (int i = 0; i < kElementCount; i++) {
        allOnes.value[i] = kKeepColor;
        mixed.value[i] = (int32_t)(0x9E3779B9u * (uint32_t)(i + 1));
    }
    struct Case {
        const char *name;
        ColorSet set;
        size_t length;  // of the line
    } cases[] = {
        {"sunset", SunsetScheme(), strlen(kSunsetLine)},
        {"all zero", PositionedZeroWith({}), 25},
        {"all bits set", allOnes, 116},
        {"mixed", mixed, 0},
    };
    for (const Case &c : cases) {
        char line[kLineCap];
        EncodeSchemeLine(c.set, line, sizeof line);
        if (c.length) {
            EXPECT_EQ(c.length, strlen(line)) << c.name << ": \"" << line << "\"";
        }
        // Into other colors: the positioned elements come back, the six
        // others are left alone.
        ColorSet back = Current();
        DecodeSchemeLine(line, &back);
        ColorSet expected = Current();
        for (int index : kPositioned) expected.value[index] = c.set.value[index];
        EXPECT_TRUE(SameColors(expected, back)) << c.name << ": \"" << line << "\"";
    }
}

TEST(EncodeSchemeLine, LongestLineFitsItsLength) {
    ColorSet allOnes;
    for (int i = 0; i < kElementCount; i++) allOnes.value[i] = kKeepColor;
    char line[117 + 8];
    memset(line, 'Z', sizeof line);
    EncodeSchemeLine(allOnes, line, 117);
    EXPECT_EQ(116u, strlen(line));
    EXPECT_EQ('Z', line[117]);
}

TEST(IsStorableSchemeName, NamesTheProfileFormatCanHold) {
    struct Case {
        const char *name;
        bool storable;
    } cases[] = {
        {"sunset.col", true},
        {"a)b.col", true},
        {"g]h.col", true},
        {"#d.col", true},
        {"k;l.col", true},
        {"表ソ.col", true},
        {"a=b.col", false},  // read back as the key "a"
        {"[x].col", false},  // a section line
        {"[i.col", false},
        {";c.col", false},  // a comment
        {" e.col", false},  // blanks around a key are stripped
        {"f.col ", false},
        {"\tg.col", false},
        {"", false},
    };
    for (const Case &c : cases) EXPECT_EQ(c.storable, IsStorableSchemeName(c.name)) << "\"" << c.name << "\"";
}

}  // namespace
