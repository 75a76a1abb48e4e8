#include "tempname.h"

#include <stdio.h>
#include <string.h>

bool FormatTempName(uint32_t pid, uint32_t start, unsigned number, char *out, size_t cap) {
    int n = snprintf(out, cap, "LUMV%08lX-%08lX-%04X.tmp", (unsigned long)pid, (unsigned long)start, number & 0xFFFFu);
    return n > 0 && (size_t)n < cap;
}

static bool ParseHexField(const char *text, int digits, uint32_t *value) {
    static const char kDigits[] = "0123456789ABCDEF";
    *value = 0;
    for (int i = 0; i < digits; i++) {
        const char *at = text[i] ? strchr(kDigits, text[i]) : nullptr;
        if (!at) return false;
        *value = *value * 16 + (uint32_t)(at - kDigits);
    }
    return true;
}

bool ParseTempName(const char *name, uint32_t *pid, uint32_t *start) {
    uint32_t number;
    return strlen(name) == 30 && strncmp(name, "LUMV", 4) == 0 && ParseHexField(name + 4, 8, pid) &&
           name[12] == '-' && ParseHexField(name + 13, 8, start) && name[21] == '-' &&
           ParseHexField(name + 22, 4, &number) && strcmp(name + 26, ".tmp") == 0;
}
