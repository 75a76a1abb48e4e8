// Scheme lines: decoding any bytes, encoding any color set into any buffer.
#include "check.h"
#include "core/capacity.h"
#include "core/scheme_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ColorSet sentinel, set, colors, back;
    auto positioned = [](int i) { return std::count(SchemeFieldOrder, SchemeFieldOrder + kSchemeFieldCount, i) > 0; };
    for (int i = 0; i < kElementCount; i++)
        sentinel.value[i] = set.value[i] = colors.value[i] = back.value[i] = 0x5A5A0000 + i;
    memcpy(colors.value, data, std::min(size, sizeof colors.value));
    DecodeSchemeLine(std::string((const char *)data, size).c_str(), &set);
    // Any set encodes to 13 upper-case numbers (116 bytes at most) that decode to it, and to what fits into less room.
    Exact line(kLineCap), cut(size ? data[size - 1] % 120 : 0);
    EncodeSchemeLine(colors, line.data(), line.cap);
    EncodeSchemeLine(colors, cut.data(), cut.cap);
    const std::string encoded = line.Text();
    DecodeSchemeLine(encoded.c_str(), &back);
    Check(encoded.size() <= 116 && encoded.find_first_not_of("0123456789ABCDEF,") == encoded.npos
          && std::count(encoded.begin(), encoded.end(), ',') == kSchemeFieldCount - 1
          && cut.Text().find_first_not_of("0123456789ABCDEF,") == std::string::npos, "an encoded line, whole or cut");
    for (int i = 0; i < kElementCount; i++)
        Check(back.value[i] == (positioned(i) ? colors : sentinel).value[i]
              && (positioned(i) || set.value[i] == sentinel.value[i]), "the positioned elements, and only they");
    return 0;
}
