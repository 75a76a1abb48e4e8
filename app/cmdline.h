// Started with a file name: apply that file and end, without a window.
#pragma once

void CommandLineApply(const char *argumentText);
