// Started with a file name: apply that file and end, without a window.
#pragma once
#include <string>

// The argument text as ReadArgumentText gave it (exact: every character
// converted). A name the shell put in double quotes is used without them. A
// name that did not convert exactly, or that does not fit a path, is
// refused as a file that cannot be accessed (either would open another
// file).
void CommandLineApply(const std::string &argumentText, bool exact);
