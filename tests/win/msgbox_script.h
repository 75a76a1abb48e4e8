// Message boxes answered by script in the in-process tests: every box shown
// through the platform seam is recorded, and answered from a queue.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ShownBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// Starts recording; each box takes the next answer (IDOK when none is left).
void ScriptBoxes(std::vector<int> answers = {});
const std::vector<ShownBox> &ShownBoxes();
