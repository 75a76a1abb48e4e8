#pragma once
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include <stdio.h>

#include "core/colorset.h"
#include "core/mbtext.h"

// Shift-JIS text: the helpers step by whole characters of code page 932, as in the Japanese editions; byte-by-byte
// stepping (1252) is restored after.
struct ShiftJisTest : ::testing::Test {
    void SetUp() override { SetTextCodePage(932); }
    void TearDown() override { SetTextCodePage(1252); }
};

// The desktop's colors before a read, none of them a value of the tests; Changed() gives the elements that differ from
// them, as "index=HEX ...".
inline ColorSet Desktop() { ColorSet s; for (int i = 0; i < kElementCount; i++) s.value[i] = 0xABC000 + i; return s; }
inline std::string Changed(const ColorSet &set) {
    std::string out;
    char item[24];
    for (int i = 0; i < kElementCount; i++)
        if (set.value[i] != Desktop().value[i]) out += (snprintf(item, 24, " %d=%X", i, (unsigned)set.value[i]), item);
    return out.substr(out.empty() ? 0 : 1);
}

