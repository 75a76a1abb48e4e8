#include "picture.h"

#include <string.h>

bool LooksLikePicture(const unsigned char *head, size_t n) {
    static const struct {
        const char *bytes;
        size_t length;
    } kSignatures[] = {
        {"BM", 2},                  // bitmap
        {"\xFF\xD8\xFF", 3},        // JPEG
        {"\x89PNG\r\n\x1A\n", 8},   // PNG
        {"GIF8", 4},                // GIF
        {"II*\0", 4}, {"MM\0*", 4}  // TIFF, either byte order
    };
    for (const auto &s : kSignatures)
        if (n >= s.length && memcmp(head, s.bytes, s.length) == 0) return n > s.length;
    return false;
}
