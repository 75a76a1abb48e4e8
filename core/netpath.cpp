#include "netpath.h"

#include <vector>

#include "mbtext.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDriveLetter(const char *p) {
    unsigned char letter = (unsigned char)(p[0] | 0x20);
    return letter >= 'a' && letter <= 'z' && p[1] == ':';
}

// The text with each '/' made '\' ('/' is never a byte of a double-byte
// character).
std::string Backslashed(const char *path) {
    std::string text(path);
    for (char &c : text)
        if (c == '/') c = '\\';
    return text;
}

// The length of a full path's root: "C:\", or "\\host\share\" (the share's
// separator when there is one); 0 for a path without one.
size_t RootLength(const std::string &path) {
    const char *p = path.c_str();
    if (HasDriveLetter(p) && p[2] == '\\') return 3;
    if (p[0] != '\\' || p[1] != '\\') return 0;
    const char *end = p + 2;
    for (int part = 0; part < 2 && *end; part++) {  // the host, then the share
        while (*end && *end != '\\') end = NextChar(end);
        if (*end) end++;
    }
    return (size_t)(end - p);
}

// Drops "." and empty components and climbs for ".." (never above the root).
std::string Collapsed(const std::string &path) {
    const size_t rootLength = RootLength(path);
    std::vector<std::string> parts;
    const char *start = path.c_str() + rootLength;
    for (const char *p = start;; p = NextChar(p)) {
        if (*p != '\\' && *p != '\0') continue;
        const std::string part(start, p);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        if (*p == '\0') break;
        start = p + 1;
    }
    std::string out = path.substr(0, rootLength);
    for (size_t i = 0; i < parts.size(); i++) {
        if (i > 0 || (!out.empty() && !EndsWithChar(out.c_str(), '\\'))) out += '\\';
        out += parts[i];
    }
    return out;
}

unsigned char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? (unsigned char)(c - 'A' + 'a') : (unsigned char)c; }

// text begins with the directory dir (ending in '\'), compared by whole
// characters, ASCII letters in any case: a double-byte character whose
// second byte is a letter is another character, never a case of one.
bool IsInside(const std::string &text, const std::string &dir) {
    const char *t = text.c_str(), *d = dir.c_str();
    while (*d) {
        const char *nextT = NextChar(t), *nextD = NextChar(d);
        if (nextD - d == 1 ? nextT - t != 1 || LowerAscii(*t) != LowerAscii(*d)
                           : std::string(t, nextT) != std::string(d, nextD))
            return false;
        t = nextT, d = nextD;
    }
    return true;
}

// \\?\ and \\.\ (with either separator), and \??\: the system's namespaces.
bool HasDevicePrefix(const char *p) {
    if (p[0] == '\\' && p[1] == '?' && p[2] == '?' && p[3] == '\\') return true;
    return IsSeparator(p[0]) && IsSeparator(p[1]) && (p[2] == '?' || p[2] == '.') && (IsSeparator(p[3]) || !p[3]);
}

}  // namespace

PathPlace PlaceOfPath(const char *path) {
    const char *p = path;
    while (*p == ' ') p++;  // blanks the system may drop before a name
    if (HasDevicePrefix(p))
        return p[3] && EqualsNoCaseAscii(p + 4, 3, "unc") && (IsSeparator(p[7]) || !p[7]) ? kPlaceNetwork
                                                                                          : kPlaceDevice;
    return IsSeparator(p[0]) && IsSeparator(p[1]) ? kPlaceNetwork : kPlaceLocal;
}

std::string ResolvePathLexically(const char *dir, const char *name) {
    const std::string home = Backslashed(dir), path = Backslashed(name);
    if (HasDevicePrefix(name)) return path;  // before '/' is read as '\': only \??\ is native
    const char *n = path.c_str();
    if ((n[0] == '\\' && n[1] == '\\') || (HasDriveLetter(n) && n[2] == '\\')) return Collapsed(path);
    if (HasDriveLetter(n)) {  // relative to a drive's directory: dir's, on its drive
        bool sameDrive = HasDriveLetter(home.c_str()) && ((home[0] ^ n[0]) | 0x20) == 0x20;
        return Collapsed((sameDrive ? home : path.substr(0, 2)) + "\\" + path.substr(2));
    }
    if (n[0] == '\\') return Collapsed(home.substr(0, RootLength(home)) + path);
    return Collapsed(home + "\\" + path);
}

bool LeavesForRemotePlace(const char *dir, const char *name) {
    if (PlaceOfPath(name) != kPlaceLocal) return true;
    const std::string whole = ResolvePathLexically(dir, name);
    if (PlaceOfPath(whole.c_str()) == kPlaceLocal) return false;
    std::string home = ResolvePathLexically(dir, "");
    if (!EndsWithChar(home.c_str(), '\\')) home += '\\';  // by characters: ソ ends in the byte of '\\'
    return !IsInside(whole + "\\", home);
}
