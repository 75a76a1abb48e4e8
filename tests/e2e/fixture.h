// Shared set-up of the end-to-end tests: a program directory of its own for
// each test, with a copy of the program under the edition's name.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"

struct ProgramDir {
    std::string dir;  // ends in '\'
    std::string exe;  // full path of the copy
    std::string exeName;
};

// A fresh directory holding the program under exeName and the given sample
// files; the .col association is set for exeName so that no first-run
// question is asked unless a test wants it.
ProgramDir PrepareProgram(const std::string &testName, const std::string &exeName = "LUMVAN32.EXE",
                          const std::vector<std::string> &samples = {});
std::string CurrentTestName();
bool JapaneseCodePage();

// A neutral starting palette: every element a distinct gray-blue.
std::vector<unsigned> StartingColors();
// The colors a sample file names, element by element (0x00BBGGRR).
std::vector<unsigned> ColorsOfFile(const std::string &path);
