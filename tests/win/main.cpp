// The in-process tests' main: the program's text stepping, and message boxes answered by script, so that no test can
// hang on one.
#include "script.h"

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    UsePlatformCharStepping();
    ScriptBoxes();
    return RUN_ALL_TESTS();
}
