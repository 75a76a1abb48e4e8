// The argument text that the start-up code leaves of a command line. Pure.
#pragma once

// Skips the program's name (possibly in double quotes) and every following
// character with a code from 1 to 32. Quotes and trailing blanks around the
// file name stay part of the text.
const char *ArgumentText(const char *commandLine);
