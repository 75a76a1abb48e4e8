// Shared pieces of the unit tests.
#pragma once
#include <gtest/gtest.h>

#include "core/mbtext.h"

// Tests of text that holds Shift-JIS: the helpers step by whole characters
// of code page 932, as in the Japanese editions. Other tests run with the
// byte-by-byte stepping of code page 1252, which is restored afterwards.
class ShiftJisTest : public ::testing::Test {
protected:
    void SetUp() override { SetTextCodePage(932); }
    void TearDown() override { SetTextCodePage(1252); }
};
