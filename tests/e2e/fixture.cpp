#include "fixture.h"

#include <string.h>

#include "../../core/colfile_text.h"

std::string CurrentTestName() {
    const testing::TestInfo *info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char &c : name)
        if (c == '/') c = '_';
    return name;
}

bool JapaneseCodePage() { return GetACP() == 932; }

ProgramDir PrepareProgram(const std::string &testName, const std::string &exeName,
                          const std::vector<std::string> &samples) {
    ProgramDir p;
    p.dir = FreshDir(testName);
    p.exeName = exeName;
    p.exe = p.dir + exeName;
    EXPECT_TRUE(CopyInto(DriverDir() + "LUMVAN32.EXE", p.exe)) << p.exe;
    for (const std::string &s : samples) EXPECT_TRUE(CopyInto(SamplesDir() + s, p.dir + s)) << s;
    std::string base = exeName.substr(0, exeName.find_last_of('.'));
    SetProfileValue("extensions", "col", (base + ".exe ^.col").c_str());
    return p;
}

std::vector<unsigned> StartingColors() {
    std::vector<unsigned> c;
    for (int i = 0; i < 19; i++) c.push_back(0x00302010u + (unsigned)i * 0x000A0B07u);
    return c;
}

std::vector<unsigned> ColorsOfFile(const std::string &path) {
    std::string text = ReadBytes(path);
    ColorSet current;
    for (int i = 0; i < kElementCount; i++) current.value[i] = 0;
    ColorSet set;
    int bad = 0;
    ColorsFromText(text.c_str(), current, &set, &bad);
    return std::vector<unsigned>(set.value, set.value + kElementCount);
}
