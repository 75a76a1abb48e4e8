#pragma once
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

// Stops the run, and so the fuzzer keeps the input, when a check fails.
inline void Check(bool ok, const char *what) {
    if (!ok) fprintf(stderr, "check failed: %s\n", what), abort();
}

// A heap buffer of exactly cap bytes that starts with a text s, so that AddressSanitizer sees any write past cap (for
// cap 0, one byte that must stay 'Z'). Text() checks that the text ends within cap.
struct Exact {
    std::vector<char> bytes;
    size_t cap;
    Exact(size_t n, const std::string &s = "") : bytes(n ? n : 1, 'Z'), cap(n) {
        const size_t k = n ? std::min(s.size(), n - 1) : 0;
        if (n) memcpy(&bytes[0], s.data(), k), bytes[k] = '\0';
    }
    char *data() { return &bytes[0]; }
    std::string Text() const {
        return Check(cap ? !!memchr(&bytes[0], 0, cap) : bytes[0] == 'Z', "text within cap"), cap ? &bytes[0] : "";
    }
};
