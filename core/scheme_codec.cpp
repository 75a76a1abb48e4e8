#include "scheme_codec.h"

#include <string.h>

namespace {

struct FieldOrder {
    uint16_t element[kSchemeFieldCount];
};

constexpr FieldOrder MakeFieldOrder() {
    FieldOrder order = {};
    for (const ElementRow &row : kElementTable)
        if (row.schemeField) order.element[row.schemeField - 1] = (uint16_t)row.index;
    return order;
}

constexpr FieldOrder kFieldOrder = MakeFieldOrder();

}  // namespace

const uint16_t *const SchemeFieldOrder = kFieldOrder.element;

static int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads hexadecimal digits at *pos (either case), moving past them; 0 and no
// move when the first byte is no digit. Higher digits shift out of 32 bits.
static uint32_t ParseHex(const char **pos) {
    uint32_t value = 0;
    const char *p = *pos;
    for (int d; (d = HexDigitValue(*p)) >= 0; p++) value = value * 16u + (uint32_t)d;
    *pos = p;
    return value;
}

// Appends the value's digits (upper case, no leading zeros) to text, which
// holds cap bytes. False when they do not fit (text then unchanged).
static bool FormatHex(char *text, size_t cap, uint32_t value) {
    char digits[9];
    int n = 0;
    do {
        digits[n++] = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    } while (value);
    size_t have = strnlen(text, cap);
    if (have + (size_t)n + 1 > cap) return false;
    for (int i = 0; i < n; i++) text[have + i] = digits[n - 1 - i];
    text[have + n] = '\0';
    return true;
}

void DecodeSchemeLine(const char *line, ColorSet *set) {
    const char *p = line;
    for (int k = 0; k < kSchemeFieldCount && *p; k++) {
        if (*p == ',') p++;
        set->value[SchemeFieldOrder[k]] = (int32_t)ParseHex(&p);
    }
}

static bool IsProfileBlank(char c) { return c == ' ' || c == '\t'; }

bool IsStorableSchemeName(const char *name) {
    size_t n = strlen(name);
    if (n == 0 || name[0] == ';' || name[0] == '[') return false;
    if (IsProfileBlank(name[0]) || IsProfileBlank(name[n - 1])) return false;
    return strchr(name, '=') == nullptr;
}

void EncodeSchemeLine(const ColorSet &set, char *line, size_t cap) {
    if (cap == 0) return;
    line[0] = '\0';
    for (int k = 0; k < kSchemeFieldCount; k++) {
        if (k > 0 && strnlen(line, cap) + 2 <= cap) strncat(line, ",", 2);
        FormatHex(line, cap, (uint32_t)set.value[SchemeFieldOrder[k]]);
    }
}
