#include "theme_text.h"

#include <stdio.h>
#include <string.h>

#include "mbtext.h"

const char kThemeSectionColors[] = "Control Panel\\Colors";
const char kThemeSectionDesktop[] = "Control Panel\\Desktop";
const char kThemeSectionTheme[] = "Theme";
const char kThemeExtension[] = ".theme";

namespace {

// True when [begin, end) is word, ASCII letters in any case.
bool SameWord(const char *begin, const char *end, const char *word) {
    return EqualsNoCaseAscii(begin, (size_t)(end - begin), word);
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
    while (IsLineBlank(*p)) p++;
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
    while (keyEnd > p && IsLineBlank(keyEnd[-1])) keyEnd--;
    const char *value = equals + 1;
    while (value < end && IsLineBlank(*value)) value++;
    const char *valueEnd = end;
    while (valueEnd > value && IsLineBlank(valueEnd[-1])) valueEnd--;
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

// Three decimal numbers from 0 to 255 between blanks, and nothing else.
bool ParseRgb(const char *p, const char *end, int32_t *color) {
    unsigned rgb[3];
    for (unsigned &c : rgb) {
        while (p < end && IsLineBlank(*p)) p++;
        if (p == end || *p < '0' || *p > '9') return false;
        c = 0;
        while (p < end && *p >= '0' && *p <= '9')
            if ((c = c * 10 + (unsigned)(*p++ - '0')) > 255) return false;
    }
    while (p < end && IsLineBlank(*p)) p++;
    if (p != end) return false;
    *color = MakeColor((int)rgb[0], (int)rgb[1], (int)rgb[2]);
    return true;
}

}  // namespace

bool HasThemeExtension(const char *path) {
    const char *name = FileNamePart(path);
    size_t n = strlen(name), e = strlen(kThemeExtension);
    return n >= e && SameWord(name + n - e, name + n, kThemeExtension);
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

int ThemeColorsFromText(const char *text, const WholeColorSet &base, WholeColorSet *set) {
    *set = base;
    bool taken[kSystemColorCount] = {};
    int count = 0;
    ForEachKey(text, kThemeSectionColors, [&](const IniLine &l) {
        for (int i = 0; i < kSystemColorCount; i++) {
            if (taken[i] || !SameWord(l.keyBegin, l.keyEnd, ElementNames[i])) continue;
            if (ParseRgb(l.valueBegin, l.valueEnd, &set->value[i])) taken[i] = true, count++;
            break;
        }
        return count == kSystemColorCount;
    });
    return count;
}

bool PatchThemeText(const std::string &text, const WholeColorSet &before, const WholeColorSet &after,
                    std::string *out) {
    *out = text;
    if (!IsThemeText(text.c_str())) return false;
    for (int element = 0; element < kSystemColorCount; element++) {
        if (after.value[element] == before.value[element] || after.value[element] == kKeepColor) continue;
        char rgb[16];
        FormatRgbText(after.value[element], rgb, sizeof rgb);
        // The line the reader takes (the first with a good color), else the
        // first that names the element; a new one after the section's last key.
        const char *base = out->c_str(), *taken = nullptr, *named = nullptr, *after_ = nullptr, *eolOf = nullptr;
        IniLine target;
        bool inside = false;
        for (const char *line = base; line && *line; line = NextLine(line)) {
            IniLine l = ReadIniLine(line);
            if (l.sectionBegin) {
                inside = SameWord(l.sectionBegin, l.sectionEnd, kThemeSectionColors);
                if (inside && !after_) after_ = NextLine(line), eolOf = line;
                continue;
            }
            if (!inside || !l.keyBegin) continue;
            after_ = NextLine(line), eolOf = line;
            if (!SameWord(l.keyBegin, l.keyEnd, ElementNames[element])) continue;
            int32_t color;
            if (!taken && ParseRgb(l.valueBegin, l.valueEnd, &color)) taken = line, target = l;
            if (!named && !taken) named = line, target = l;
        }
        if (taken || named) {  // its value rewritten, the rest of the line kept
            out->replace((size_t)(target.valueBegin - base), (size_t)(target.valueEnd - target.valueBegin), rgb);
            continue;
        }
        const std::string eol = *LineEnd(eolOf) == '\r' ? "\r\n" : "\n";
        size_t at = after_ ? (size_t)(after_ - base) : out->size();
        if (at > 0 && (*out)[at - 1] != '\n') out->insert(at, eol), at += eol.size();
        out->insert(at, std::string(ElementNames[element]) + "=" + rgb + eol);
    }
    return true;
}

ComposeResult ComposeThemeFile(const WholeColorSet &colors, const char *name, const char *wallpaper, int32_t tile,
                               std::string *out) {
    out->clear();
    if (wallpaper && *LineEnd(wallpaper)) return kComposeNameTooLong;
    AppendLine(out, std::string("[") + kThemeSectionTheme + "]");
    AppendLine(out, "DisplayName=" + std::string(name, LineEnd(name) - name));
    AppendLine(out, "");
    AppendLine(out, std::string("[") + kThemeSectionColors + "]");
    for (int i = 0; i < kSystemColorCount; i++) {
        if (colors.value[i] == kKeepColor) continue;  // a theme that names no color keeps the desktop's
        char rgb[16];
        FormatRgbText(colors.value[i], rgb, sizeof rgb);
        AppendLine(out, std::string(ElementNames[i]) + "=" + rgb);
    }
    if (wallpaper) {
        AppendLine(out, "");
        AppendLine(out, std::string("[") + kThemeSectionDesktop + "]");
        AppendLine(out, std::string("Wallpaper=") + wallpaper);
        AppendLine(out, "TileWallpaper=" + std::to_string(tile));
    }
    AppendLine(out, "");
    AppendLine(out, "[MasterThemeSelector]");  // what Windows looks for before it takes a file as a theme
    AppendLine(out, "MTSM=DABJDKT");
    return kComposed;
}
