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

// The elements of a set that differ from base's, as "index=HEX ...".
template <typename Set>
std::string Differing(const Set &set, const Set &base) {
    std::string out;
    char item[24];
    for (size_t i = 0; i < std::size(set.value); i++)
        if (set.value[i] != base.value[i]) out += (snprintf(item, 24, " %zu=%X", i, (unsigned)set.value[i]), item);
    return out.substr(out.empty() ? 0 : 1);
}

// The desktop's colors before a read, none of them a value of the tests; Changed() gives the elements that differ from
// them.
inline ColorSet Desktop() { ColorSet s; for (int i = 0; i < kElementCount; i++) s.value[i] = 0xABC000 + i; return s; }
inline std::string Changed(const ColorSet &set) { return Differing(set, Desktop()); }
