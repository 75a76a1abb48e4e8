#include "textcode.h"

#include <string.h>

int WideToCodePage(const wchar_t *wide, int count, char *out, int cap, char unconvertible, bool *exact) {
    *exact = true;
    if (count <= 0) return 0;
    int size;
    if (GetACP() == CP_UTF8) {
        // A UTF-8 system code page holds every character; it takes neither
        // the flag nor a stand-in character (the call would fail).
        size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, count, out, out ? cap : 0, nullptr, nullptr);
    } else {
        const char standIn[2] = {unconvertible, '\0'};
        BOOL lossy = FALSE;
        size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, count, out, out ? cap : 0, standIn, &lossy);
        *exact = !lossy;
    }
    if (size <= 0) *exact = false;
    return size > 0 ? size : 0;
}

// Replaces the file's text with count wide characters in the system code
// page; a NUL follows them.
static bool TakeWideText(FileText *file, const wchar_t *wide, int count) {
    bool exact;
    int size = WideToCodePage(wide, count, nullptr, 0, kUnconvertibleChar, &exact);
    if (count && size <= 0) return false;
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE, (SIZE_T)size + 1);
    if (!block) return false;
    char *text = (char *)LocalLock(block);
    WideToCodePage(wide, count, text, size, kUnconvertibleChar, &exact);
    text[size] = '\0';
    file->Take(block, text, (DWORD)size);
    file->converted = true;
    return true;
}

static bool TakeUtf8Text(FileText *file, const char *utf8, int length) {
    int count = length ? MultiByteToWideChar(CP_UTF8, 0, utf8, length, nullptr, 0) : 0;
    HLOCAL wideBlock = LocalAlloc(LMEM_FIXED, ((SIZE_T)count + 1) * sizeof(wchar_t));
    if (!wideBlock) return false;
    wchar_t *wide = (wchar_t *)wideBlock;
    if (count) MultiByteToWideChar(CP_UTF8, 0, utf8, length, wide, count);
    bool ok = TakeWideText(file, wide, count);
    LocalFree(wideBlock);
    return ok;
}

static bool IsUtf8BeyondAscii(const char *text, DWORD size) {
    bool beyond = false;
    for (DWORD i = 0; i < size && !beyond; i++) beyond = (unsigned char)text[i] >= 0x80;
    return beyond && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, (int)size, nullptr, 0) > 0;
}

bool ConvertToCodePage(FileText *file) {
    const unsigned char *bytes = (const unsigned char *)file->text;
    const DWORD size = file->size;
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        return TakeWideText(file, (const wchar_t *)(file->text + 2), (int)((size - 2) / 2));
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return TakeUtf8Text(file, file->text + 3, (int)(size - 3));
    if (IsUtf8BeyondAscii(file->text, size)) return TakeUtf8Text(file, file->text, (int)size);
    return true;
}
