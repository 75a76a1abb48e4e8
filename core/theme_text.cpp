#include "theme_text.h"

#include <stdio.h>
#include <string.h>

#include "mbtext.h"

const char kThemeSectionColors[] = "Control Panel\\Colors";
const char kThemeSectionDesktop[] = "Control Panel\\Desktop";
const char kThemeSectionTheme[] = "Theme";
const char kThemeExtension[] = ".theme";

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The byte after the next LF, or null at the last line. An LF is never the
// second byte of a double-byte character: the bytes can be searched.
const char *NextLine(const char *p) {
    const char *lf = strchr(p, '\n');
    return lf ? lf + 1 : nullptr;
}

// The end of the line at p (its CR, LF or NUL), stepping by characters; a
// lone lead byte never swallows the line end after it.
const char *LineEnd(const char *p) {
    while (*p && *p != '\r' && *p != '\n') {
        const char *n = NextChar(p);
        if (n - p > 1 && (p[1] == '\r' || p[1] == '\n')) return p + 1;
        p = n;
    }
    return p;
}

// True when [begin, end) equals word, ASCII letters in any case.
bool SameWord(const char *begin, const char *end, const char *word) {
    size_t n = strlen(word);
    if ((size_t)(end - begin) != n) return false;
    for (size_t i = 0; i < n; i++) {
        char a = begin[i], b = word[i];
        if (a >= 'a' && a <= 'z') a = (char)(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z') b = (char)(b - 'a' + 'A');
        if (a != b) return false;
    }
    return true;
}

// One line of the text: a section header, or a key and its value. Keys and
// values lose their surrounding blanks; a line without "=" has no key.
struct IniLine {
    const char *sectionBegin = nullptr, *sectionEnd = nullptr;
    const char *keyBegin = nullptr, *keyEnd = nullptr;
    const char *valueBegin = nullptr, *valueEnd = nullptr;
};

IniLine ReadIniLine(const char *line) {
    IniLine out;
    const char *p = line;
    while (IsBlank(*p)) p++;
    const char *end = LineEnd(p);
    if (*p == '[') {
        const char *close = p + 1;
        while (close < end && *close != ']') close = NextChar(close);
        if (close < end) out.sectionBegin = p + 1, out.sectionEnd = close;
        return out;
    }
    if (*p == ';') return out;
    const char *equals = p;
    while (equals < end && *equals != '=') equals = NextChar(equals);
    if (equals >= end) return out;
    const char *keyEnd = equals;
    while (keyEnd > p && IsBlank(keyEnd[-1])) keyEnd--;
    const char *value = equals + 1;
    while (value < end && IsBlank(*value)) value++;
    const char *valueEnd = end;
    while (valueEnd > value && IsBlank(valueEnd[-1])) valueEnd--;
    out.keyBegin = p, out.keyEnd = keyEnd, out.valueBegin = value, out.valueEnd = valueEnd;
    return out;
}

// Calls take(line) for every key line of the section, in order, until it
// returns true.
template <typename Take>
void ForEachKey(const char *text, const char *section, Take take) {
    bool inside = false;
    for (const char *line = text; line && *line; line = NextLine(line)) {
        IniLine l = ReadIniLine(line);
        if (l.sectionBegin) inside = SameWord(l.sectionBegin, l.sectionEnd, section);
        else if (inside && l.keyBegin && take(l)) return;
    }
}

// Three decimal numbers between blanks, and nothing else.
bool ParseRgb(const char *p, const char *end, int32_t *color) {
    unsigned rgb[3];
    for (unsigned &c : rgb) {
        while (p < end && IsBlank(*p)) p++;
        if (p == end || *p < '0' || *p > '9') return false;
        c = 0;
        while (p < end && *p >= '0' && *p <= '9') c = c * 10 + (unsigned)(*p++ - '0');  // wraps: low byte kept
    }
    while (p < end && IsBlank(*p)) p++;
    if (p != end) return false;
    *color = MakeColor((int)(rgb[0] & 0xFF), (int)(rgb[1] & 0xFF), (int)(rgb[2] & 0xFF));
    return true;
}

void AddLine(std::string *out, const std::string &line) { out->append(line).append("\r\n"); }

}  // namespace

bool HasThemeExtension(const char *path) {
    const char *name = FileNamePart(path);
    size_t n = strlen(name), e = strlen(kThemeExtension);
    return n >= e && SameWord(name + n - e, name + n, kThemeExtension);
}

bool ThemeBaseName(const char *path, char *base, size_t cap) {
    const char *name = FileNamePart(path), *dot = nullptr;
    for (const char *p = name; *p; p = NextChar(p))
        if (*p == '.') dot = p;
    if (CopyBytes(base, cap, name, dot ? (size_t)(dot - name) : strlen(name))) return true;
    if (cap) base[0] = '\0';
    return false;
}

bool IsThemeText(const char *text) {
    if (DetectColorSetForm(text) != kFormNeither) return false;
    for (const char *line = text; line && *line; line = NextLine(line)) {
        IniLine l = ReadIniLine(line);
        if (l.sectionBegin && SameWord(l.sectionBegin, l.sectionEnd, kThemeSectionColors)) return true;
    }
    return false;
}

ThemeValueResult ThemeValue(const char *text, const char *section, const char *key, char *value, size_t cap) {
    ThemeValueResult result = kThemeValueAbsent;
    if (cap) value[0] = '\0';
    ForEachKey(text, section, [&](const IniLine &l) {
        if (!SameWord(l.keyBegin, l.keyEnd, key)) return false;
        result = CopyBytes(value, cap, l.valueBegin, (size_t)(l.valueEnd - l.valueBegin)) ? kThemeValueRead
                                                                                          : kThemeValueTooLong;
        if (result == kThemeValueTooLong && cap) value[0] = '\0';
        return true;
    });
    return result;
}

int ThemeColorsFromText(const char *text, const ColorSet &current, ColorSet *set) {
    *set = current;
    bool taken[kElementCount] = {};
    int count = 0;
    ForEachKey(text, kThemeSectionColors, [&](const IniLine &l) {
        for (int i = 0; i < kElementCount; i++) {
            if (taken[i] || !SameWord(l.keyBegin, l.keyEnd, ElementNames[i])) continue;
            if (ParseRgb(l.valueBegin, l.valueEnd, &set->value[i])) taken[i] = true, count++;
            break;
        }
        return count == kElementCount;
    });
    return count;
}

ComposeResult ComposeThemeFile(const ColorSet &colors, const char *name, const char *wallpaper, int32_t tile,
                               std::string *out) {
    out->clear();
    if (wallpaper && *LineEnd(wallpaper)) return kComposeNameTooLong;
    AddLine(out, std::string("[") + kThemeSectionTheme + "]");
    AddLine(out, "DisplayName=" + std::string(name, LineEnd(name) - name));
    AddLine(out, "");
    AddLine(out, std::string("[") + kThemeSectionColors + "]");
    for (int i = 0; i < kElementCount; i++) {
        char rgb[16];
        FormatRgbText(colors.value[i], rgb, sizeof rgb);
        AddLine(out, std::string(ElementNames[i]) + "=" + rgb);
    }
    if (wallpaper) {
        AddLine(out, "");
        AddLine(out, std::string("[") + kThemeSectionDesktop + "]");
        AddLine(out, std::string("Wallpaper=") + wallpaper);
        AddLine(out, "TileWallpaper=" + std::to_string(tile));
    }
    AddLine(out, "");
    AddLine(out, "[MasterThemeSelector]");  // what Windows looks for before it takes a file as a theme
    AddLine(out, "MTSM=DABJDKT");
    return kComposed;
}
