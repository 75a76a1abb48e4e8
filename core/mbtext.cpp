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

bool FileBaseName(const char *path, char *base, size_t baseCap) {
    const char *name = FileNamePart(path);
    if (ModuleBaseName(name, base, baseCap) || CopyText(base, baseCap, name)) return true;
    if (baseCap) base[0] = '\0';
    return false;
}

const char *NextLine(const char *p) {
    const char *lf = strchr(p, '\n');
    return lf ? lf + 1 : nullptr;
}

const char *LineEnd(const char *p) {
    while (*p && *p != '\r' && *p != '\n') {
        const char *n = NextChar(p);
        if (n - p > 1 && (p[1] == '\r' || p[1] == '\n')) return p + 1;
        p = n;
    }
    return p;
}

bool IsLineBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

void AppendLine(std::string *out, const char *text, size_t length) { out->append(text, length).append("\r\n"); }
void AppendLine(std::string *out, const std::string &line) { AppendLine(out, line.data(), line.size()); }

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

bool CopyCut(char *dst, size_t cap, const char *src, size_t length) {
    if (cap == 0) return length == 0;
    const char *p = src;
    while (p < src + length) {
        const char *n = NextChar(p);
        if (n > src + length || (size_t)(n - src) + 1 > cap) break;
        p = n;
    }
    memmove(dst, src, (size_t)(p - src));
    dst[p - src] = '\0';
    return p == src + length;
}

void CopyTextCut(char *dst, size_t cap, const char *src) { CopyCut(dst, cap, src, strlen(src)); }

static unsigned char LowerAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? (unsigned char)(c - 'A' + 'a') : c; }

bool StartsWithNoCaseAscii(const char *text, const char *prefix) {
    for (; *prefix; text++, prefix++)
        if (LowerAscii((unsigned char)*text) != LowerAscii((unsigned char)*prefix)) return false;
    return true;
}

bool EndsWithNoCaseAscii(const char *text, const char *suffix) {
    size_t length = strlen(text), suffixLength = strlen(suffix);
    if (suffixLength > length) return false;
    const char *start = text + length - suffixLength, *p = text;
    while (p < start) {
        const char *next = NextChar(p);
        if (next == p) return false;
        p = next;
    }
    return p == start && CompareNoCaseAscii(start, suffix) == 0;
}

bool EqualsNoCaseAscii(const char *text, size_t length, const char *word) {
    return strlen(word) == length && StartsWithNoCaseAscii(text, word);
}

bool IsDriveRootedPath(const char *path) {
    unsigned char letter = LowerAscii((unsigned char)path[0]);
    return letter >= 'a' && letter <= 'z' && path[1] == ':' && path[2] == '\\';
}

int CompareNoCaseAscii(const char *a, const char *b) {
    for (;; a++, b++) {
        unsigned char x = LowerAscii((unsigned char)*a), y = LowerAscii((unsigned char)*b);
        if (x != y) return x < y ? -1 : 1;
        if (!x) return 0;
    }
}
