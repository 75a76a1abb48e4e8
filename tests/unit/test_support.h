#pragma once
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "core/mbtext.h"

// Shift-JIS text: the helpers step by whole characters of code page 932, as in the Japanese editions; byte-by-byte
// stepping (1252) is restored after.
struct ShiftJisTest : ::testing::Test {
    void SetUp() override { SetTextCodePage(932); }
    void TearDown() override { SetTextCodePage(1252); }
};

// A buffer of 'Z's that starts with a text. Seen() shows every byte a call left in it, each NUL as '|', up to the last
// byte that is not 'Z'.
struct Buf {
    char b[160];
    explicit Buf(const char *start) { memset(b, 'Z', sizeof b), memcpy(b, start, strlen(start) + 1); }
    std::string Seen() const {
        std::string s(b, std::string(b, sizeof b).find_last_not_of('Z') + 1);
        for (char &c : s) c = c ? c : '|';
        return s;
    }
};
