#include "argtext.h"

const char *ArgumentText(const char *commandLine) {
    const unsigned char *p = (const unsigned char *)commandLine;
    if (*p == '"') {
        for (p++; *p && *p != '"'; p++) {
        }
        if (*p == '"') p++;
    } else {
        while (*p > ' ') p++;
    }
    while (*p && *p <= ' ') p++;
    return (const char *)p;
}
