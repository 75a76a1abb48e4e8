#include "mbtext.h"

#include <string.h>

static int g_codePage = 1252;
static NextCharFunction g_next = nullptr;

void SetTextCodePage(int codePage) { g_codePage = codePage; g_next = nullptr; }
void SetNextCharFunction(NextCharFunction next) { g_next = next; }

static bool IsShiftJisLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

const char *NextChar(const char *p) {
    if (*p == '\0') return p;
    if (g_next) {
        const char *n = g_next(p);
        return n > p ? n : p + 1;
    }
    if (g_codePage == 932 && IsShiftJisLead((unsigned char)p[0]) && p[1] != '\0') return p + 2;
    return p + 1;
}

const char *FindChar(const char *text, char c) {
    const char *p = text;
    for (;;) {
        if (*p == c) return p;
        if (*p == '\0') return nullptr;
        p = NextChar(p);
    }
}

static bool IsSeparator(char c) { return c == '\\' || c == ':'; }

size_t DirPartLength(const char *path) {
    const char *end = path;  // just after the last separator
    for (const char *p = path; *p; p = NextChar(p))
        if (IsSeparator(*p)) end = p + 1;
    return (size_t)(end - path);
}

const char *FileNamePart(const char *path) { return path + DirPartLength(path); }

bool HasExtension(const char *name) {
    for (const char *p = FileNamePart(name); *p; p = NextChar(p))
        if (*p == '.') return true;
    return false;
}

bool SplitPath(const char *path, char *dir, size_t dirCap, char *file, size_t fileCap) {
    size_t dirLen = DirPartLength(path);
    if (dirCap) dir[0] = '\0';
    if (fileCap) file[0] = '\0';
    if (!CopyBytes(dir, dirCap, path, dirLen) || !CopyText(file, fileCap, path + dirLen)) {
        if (dirCap) dir[0] = '\0';
        if (fileCap) file[0] = '\0';
        return false;
    }
    return true;
}

bool ModuleBaseName(const char *modulePath, char *base, size_t baseCap) {
    const char *dot = nullptr;
    for (const char *p = modulePath; *p; p = NextChar(p))
        if (*p == '.') dot = p;
    if (!dot) return false;
    // The name starts after the last separator before the dot.
    const char *start = modulePath;
    for (const char *p = modulePath; p < dot; p = NextChar(p))
        if (IsSeparator(*p)) start = p + 1;
    return CopyBytes(base, baseCap, start, (size_t)(dot - start));
}

const char *WallpaperNamePart(const char *value) { return FileNamePart(value); }

bool EndsWithChar(const char *text, char c) {
    const char *last = nullptr;
    for (const char *p = text; *p; p = NextChar(p)) last = p;
    return last && *last == c && NextChar(last) == last + 1;
}

bool CopyBytes(char *dst, size_t cap, const char *src, size_t len) {
    if (len >= cap) return false;
    memmove(dst, src, len);
    dst[len] = '\0';
    return true;
}

bool CopyText(char *dst, size_t cap, const char *src) { return CopyBytes(dst, cap, src, strlen(src)); }

bool AppendText(char *dst, size_t cap, const char *src) {
    size_t have = strnlen(dst, cap);
    if (have >= cap) return false;
    return CopyBytes(dst + have, cap - have, src, strlen(src));
}

void CopyTextCut(char *dst, size_t cap, const char *src) {
    if (cap == 0) return;
    const char *p = src;
    while (*p) {
        const char *n = NextChar(p);
        if ((size_t)(n - src) + 1 > cap) break;
        p = n;
    }
    size_t len = (size_t)(p - src);
    if (len >= cap) len = cap - 1;
    memmove(dst, src, len);
    dst[len] = '\0';
}

static unsigned char LowerAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? (unsigned char)(c - 'A' + 'a') : c; }

bool StartsWithNoCaseAscii(const char *text, const char *prefix) {
    for (; *prefix; text++, prefix++)
        if (LowerAscii((unsigned char)*text) != LowerAscii((unsigned char)*prefix)) return false;
    return true;
}

bool IsDriveRootedPath(const char *path) {
    unsigned char letter = LowerAscii((unsigned char)path[0]);
    return letter >= 'a' && letter <= 'z' && path[1] == ':' && path[2] == '\\';
}

int CompareNoCaseAscii(const char *a, const char *b) {
    for (;; a++, b++) {
        unsigned char x = (unsigned char)*a, y = (unsigned char)*b;
        if (x >= 'A' && x <= 'Z') x = (unsigned char)(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = (unsigned char)(y - 'A' + 'a');
        if (x != y) return x < y ? -1 : 1;
        if (!x) return 0;
    }
}
