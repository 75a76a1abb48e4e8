// The argument text that the start-up code leaves of a command line, in the
// narrow or the wide command line. Pure.
#pragma once
#include <string.h>

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

// True when the whole argument text is one name in a pair of double quotes,
// as shells pass a name that holds blanks ("C:\My Themes\Jungle (256
// color).theme"): the name is then the text between them. Anything else (no
// quotes, a lone quote, quotes inside, blanks after the closing one) is the
// name as it stands. A quote (0x22) is never the second byte of a Shift-JIS
// character: the bytes can be searched.
inline bool IsOneQuotedName(const char *text) {
    size_t n = strlen(text);
    return n >= 3 && text[0] == '"' && text[n - 1] == '"' && !memchr(text + 1, '"', n - 2);
}
