// Scheme lines of the control panel: decoding any bytes, and encoding then
// decoding any color set.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "core/capacity.h"
#include "core/scheme_codec.h"

namespace {

void Check(bool ok, const char *what) {
    if (!ok) {
        fprintf(stderr, "check failed: %s\n", what);
        abort();
    }
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool Positioned(int element) {
    for (int k = 0; k < kSchemeFieldCount; k++)
        if (SchemeFieldOrder[k] == element) return true;
    return false;
}

ColorSet Sentinel() {
    ColorSet set;
    for (int i = 0; i < kElementCount; i++) set.value[i] = 0x5A5A0000 + i;
    return set;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string text((const char *)data, size);
    const char *line = text.c_str();

    // Decoding: the six unpositioned elements are never touched.
    ColorSet set = Sentinel();
    DecodeSchemeLine(line, &set);
    ColorSet sentinel = Sentinel();
    for (int i = 0; i < kElementCount; i++)
        if (!Positioned(i)) Check(set.value[i] == sentinel.value[i], "unpositioned element untouched");

    // ParseHex consumes exactly the leading digits.
    for (const char *p = line; *p;) {
        const char *start = p;
        uint32_t v = ParseHex(&p);
        for (const char *q = start; q < p; q++) Check(IsHexDigit(*q), "only digits consumed");
        Check(!IsHexDigit(*p), "all digits consumed");
        if (p == start) {
            Check(v == 0, "no digits read as 0");
            p++;
        }
    }

    // Encoding any set and decoding the line gives back the positioned values.
    ColorSet colors = Sentinel();
    for (int i = 0; i < kElementCount && (size_t)(i * 4 + 4) <= size; i++) memcpy(&colors.value[i], data + i * 4, 4);
    char encoded[kLineCap];
    EncodeSchemeLine(colors, encoded, sizeof encoded);
    Check(strlen(encoded) <= 116, "line length");
    int commas = 0;
    for (const char *p = encoded; *p; p++) {
        Check(*p == ',' || (*p >= '0' && *p <= '9') || (*p >= 'A' && *p <= 'F'), "upper-case digits and commas");
        commas += *p == ',';
    }
    Check(commas == kSchemeFieldCount - 1, "thirteen numbers");
    ColorSet back = Sentinel();
    DecodeSchemeLine(encoded, &back);
    for (int i = 0; i < kElementCount; i++)
        Check(back.value[i] == (Positioned(i) ? colors.value[i] : sentinel.value[i]), "round trip");

    // FormatHex into a small buffer: the digits fit whole or nothing changes.
    size_t cap = size ? 1 + data[size - 1] % 12 : 4;
    uint32_t value = size >= 4 ? (uint32_t)data[0] << 24 | (uint32_t)data[1] << 16 | (uint32_t)data[2] << 8 | data[3] : 0;
    std::vector<char> buf(cap, 'Z');
    buf[0] = '\0';
    if (cap > 2) {
        buf[0] = ',';
        buf[1] = '\0';
    }
    std::vector<char> before = buf;
    if (FormatHex(buf.data(), cap, value)) {
        const char *p = buf.data() + strlen(before.data());
        const char *digits = p;
        Check(ParseHex(&p) == value && *p == '\0', "digits read back");
        Check(digits[0] != '0' || digits[1] == '\0', "no leading zeros");
    } else {
        Check(buf == before, "refused digits leave the text");
    }
    return 0;
}
