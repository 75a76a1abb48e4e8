// Started with a file name: apply that file and end, without a window.
#pragma once
#include "../platform/win32.h"

// The argument text as ReadArgumentText gave it: a name that did not convert
// exactly, or that does not fit a path, is refused as a file that cannot be
// accessed (either would open another file).
void CommandLineApply(const char *argumentText, ArgumentRead read);
