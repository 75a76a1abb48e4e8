// The argument text that the start-up code leaves of a command line, in the
// narrow or the wide command line. Pure.
#pragma once
#include <type_traits>

// Skips the program's name (possibly in double quotes) and every following
// character with a code from 1 to 32. Quotes and trailing blanks around the
// file name stay part of the text.
template <typename Char>
const Char *ArgumentText(const Char *commandLine) {
    auto code = [](Char c) { return (unsigned)(std::make_unsigned_t<Char>)c; };  // a byte above 127 is no blank
    const Char *p = commandLine;
    if (*p == '"') {
        for (p++; *p && *p != '"'; p++) {
        }
        if (*p == '"') p++;
    } else {
        while (code(*p) > ' ') p++;
    }
    while (*p && code(*p) <= ' ') p++;
    return p;
}
