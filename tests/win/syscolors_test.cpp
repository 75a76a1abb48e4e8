// The color set against Wine's real system colors and profile files.
#include "../../colors/syscolors.h"
#include "win_fixture.h"

namespace {

ColorSet Distinct(int seed) {
    ColorSet c;
    for (int i = 0; i < kElementCount; i++) c.value[i] = MakeColor(seed + i, 2 * i + seed, 100 + i);
    return c;
}

TEST(SystemColors, ApplyThenCaptureGivesTheSameColors) {
    UseEdition(2);
    ColorSet set = Distinct(17), read;
    ApplyColors(set);
    CaptureColors(&read);
    for (int i = 0; i < kElementCount; i++) EXPECT_EQ(set.value[i], read.value[i]) << "element " << i;
}

TEST(SystemColors, KeptElementsKeepTheirColors) {
    UseEdition(2);
    ColorSet before = Distinct(40);
    ApplyColors(before);
    struct {
        const char *label;
        ColorSet set;
    } cases[] = {{"all kept", {}}, {"greeting", GreetingColors}};
    for (int i = 0; i < kElementCount; i++) cases[0].set.value[i] = kKeepColor;
    for (const auto &c : cases) {
        ApplyColors(before);
        ApplyColors(c.set);
        ColorSet after;
        CaptureColors(&after);
        for (int i = 0; i < kElementCount; i++) {
            int32_t expected = c.set.value[i] == kKeepColor ? before.value[i] : c.set.value[i];
            EXPECT_EQ(expected, after.value[i]) << c.label << ", element " << i;
        }
    }
}

TEST(SystemColors, CapturedColorsNeverHoldKeep) {
    ColorSet set;
    CaptureColors(&set);
    for (int i = 0; i < kElementCount; i++) EXPECT_NE(kKeepColor, set.value[i]) << "element " << i;
}

TEST(SystemColors, WinIniGetsNineteenKeysInDecimal) {
    UseEdition(2);
    ColorSet set = Distinct(0);
    set.value[0] = 0x00FFFFFF;
    set.value[1] = 0;
    set.value[2] = 0x00800000;
    ASSERT_TRUE(WriteColorsToWinIni(set));
    const struct {
        const char *key;
        const char *text;
    } cases[] = {{"Scrollbar", "255 255 255"}, {"Background", "0 0 0"}, {"ActiveTitle", "0 0 128"},
                 {"ButtonText", "18 36 118"}, {"Hilight", "13 26 113"}};
    for (const auto &c : cases) {
        char value[64];
        GetProfileStringA("colors", c.key, "<none>", value, sizeof value);
        EXPECT_STREQ(c.text, value) << c.key;
    }
    char keys[2048];
    DWORD n = GetProfileStringA("colors", nullptr, "", keys, sizeof keys);
    int count = 0;
    for (const char *k = keys; k < keys + n && *k; k += strlen(k) + 1) count++;
    EXPECT_EQ(19, count);
}

TEST(SystemColors, ClearCurrentSchemeLeavesAnEmptyKey) {
    WritePrivateProfileStringA("CURRENT", nullptr, nullptr, "control.ini");
    ASSERT_TRUE(ClearCurrentScheme());
    char keys[256];
    DWORD n = GetPrivateProfileStringA("CURRENT", nullptr, "", keys, sizeof keys, "control.ini");
    ASSERT_GT(n, 0u);
    EXPECT_STREQ("COLOR SCHEMES", keys);
    char value[64];
    GetPrivateProfileStringA("CURRENT", "COLOR SCHEMES", "<none>", value, sizeof value, "control.ini");
    EXPECT_STREQ("", value);
}

}  // namespace
