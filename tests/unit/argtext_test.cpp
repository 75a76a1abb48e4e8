// The argument text that remains of a command line.
#include <gtest/gtest.h>

#include "core/argtext.h"

namespace {

TEST(ArgumentText, SkipsTheProgramNameAndFollowingBlanks) {
    struct Case {
        const char *commandLine;
        const char *argument;
    } cases[] = {
        {"LUMVAN32.EXE", ""},
        {"LUMVAN32.EXE    ", ""},
        {"LUMVAN32.EXE \t ", ""},
        {"", ""},
        {"LUMVAN32.EXE sunset.col", "sunset.col"},
        {"LUMVAN32.EXE   sunset.col", "sunset.col"},
        {"C:\\LV\\LUMVAN32.EXE C:\\LV\\sunset.col", "C:\\LV\\sunset.col"},
        {"\"C:\\Program Files\\LV\\LUMVAN32.EXE\" sunset.col", "sunset.col"},
        {"\"C:\\Program Files\\LV\\LUMVAN32.EXE\"", ""},
        {"\"C:\\Program Files\\LV\\LUMVAN32.EXE\"   ", ""},
        {"\"C:\\LV\\LUMVAN32.EXE\"sunset.col", "sunset.col"},
        {"\"unterminated name", ""},
        {"LUMVAN32.EXE \"C:\\My Files\\a.col\"", "\"C:\\My Files\\a.col\""},  // quotes stay
        {"LUMVAN32.EXE a.col  ", "a.col  "},                                  // trailing blanks stay
        {"LUMVAN32.EXE a b.col", "a b.col"},
        {"LUMVAN32.EXE\t\x01\x1F\x20\x0D\x0A" "a.col", "a.col"},  // codes 1 to 32 skipped
        {"LUMVAN32.EXE \x7F", "\x7F"},
        {"C:\\\x83\x5C\x83\x74\x83\x67\\LUMVAN32.EXE a.col", "a.col"},  // bytes above 0x7F belong to the name
        {"LUMVAN32.EXE \x95\x5C.col", "\x95\x5C.col"},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(c.argument, ArgumentText(c.commandLine)) << "command line \"" << c.commandLine << "\"";
}

}  // namespace
