// The shipped color sets (samples/*.col): every text on its background at a WCAG 2 contrast ratio of 4.5 or more.
#include <gtest/gtest.h>
#include <math.h>
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

static double Linear(int c) { return c / 255.0 <= 0.03928 ? c / 255.0 / 12.92 : pow((c / 255.0 + 0.055) / 1.055, 2.4); }
static double Ratio(double a, double b) { return (fmax(a, b) + 0.05) / (fmin(a, b) + 0.05); }

TEST(Samples, TextContrast) {
    const char *pairs[][2] = {{"WindowText", "Window"}, {"MenuText", "Menu"}, {"TitleText", "ActiveTitle"},
                              {"HilightText", "Hilight"}, {"ButtonText", "ButtonFace"}};  // text, background
    int sets = 0, r, g, b;
    char name[32];
    for (const auto &entry : std::filesystem::directory_iterator(LV_SAMPLES_DIR)) {
        if (entry.path().extension() != ".col") continue;
        const std::string file = entry.path().filename().string();
        std::map<std::string, double> lum;  // element: relative luminance
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);)  // "Element= R G B"; no other line matches
            if (sscanf(line.c_str(), "%31[^=]= %d %d %d", name, &r, &g, &b) == 4)
                lum[name] = 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b);
        for (const auto &p : pairs)
            if (!lum.count(p[0]) || !lum.count(p[1])) ADD_FAILURE() << file << " lacks " << p[0] << " or " << p[1];
            else EXPECT_GE(Ratio(lum[p[0]], lum[p[1]]), 4.5) << file << ": " << p[0] << " on " << p[1];
        sets++;
    }
    EXPECT_LE(9, sets) << "color sets in " << LV_SAMPLES_DIR << "; one went missing";
}
