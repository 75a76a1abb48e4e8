// The contrast ratio, and the shipped color sets (samples/*.col): every text on its background at a ratio of 4.5 or
// more.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/colfile_text.h"
#include "core/contrast.h"
#include "test_support.h"

TEST(Contrast, Ratio) {
    struct { int32_t text, background; double ratio; } cases[] = {  // colors 0x00BBGGRR
        // text       background  ratio (two decimals)
        {0x000000,    0xFFFFFF,   21.00},
        {0x808080,    0x808080,   1.00},
        {0x767676,    0xFFFFFF,   4.54},  // the lightest gray on white that reads
        {0xFFFFFF,    0x0000FF,   4.00},  // white on red
        {0x000000,    0x00FFFF,   19.56},  // black on yellow
    };
    for (size_t i = 0; i < std::size(cases); i++)
        EXPECT_NEAR(cases[i].ratio, ContrastRatio(cases[i].text, cases[i].background), 0.005) << "row " << i;
}

TEST(Samples, TextContrast) {
    int sets = 0;
    for (const auto &entry : std::filesystem::directory_iterator(LV_SAMPLES_DIR)) {
        if (entry.path().extension() != ".col") continue;
        std::stringstream text;
        text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        ColorSet colors, kept;  // each element the file does not name stays kept, and fails the test
        for (int i = 0; i < kElementCount; i++) kept.value[i] = kKeepColor;
        int badLines = 0;
        ASSERT_EQ(kColorsRead, ColorsFromText(text.str().c_str(), kept, &colors, &badLines)) << entry.path();
        for (const TextOnBackground &p : kTextPairs) {
            if (p.text >= kElementCount || p.background >= kElementCount) continue;  // not in a .col file
            EXPECT_TRUE(colors.value[p.text] != kKeepColor && colors.value[p.background] != kKeepColor &&
                        ContrastRatio(colors.value[p.text], colors.value[p.background]) >= kReadableContrast)
                << entry.path().filename() << ": " << ElementNames[p.text] << " on " << ElementNames[p.background];
        }
        sets++;
    }
    EXPECT_LE(9, sets) << "color sets in " << LV_SAMPLES_DIR << "; one went missing";
}
