#include "colfile_text.h"

#include <stdio.h>
#include <string.h>

#include "mbtext.h"

// A color-set file's first line (its form), and its sections.
const char kHeaderCurrent[] = "[WindowsSystemColors]";
const char kHeaderLegacy[] = "[るみべいん]";  // 12 bytes in Shift-JIS
const char kVersionSuffix[] = " VER01.00";
const char kSectionPrimary[] = "[LUMIVANE]";
const char kSectionSibling[] = "[VELTINA]";
const char kSectionEnglish[] = "[ENGLISH]";
const char kSectionColors[] = "[ListOfColors]";
const char kSectionWallpaper[] = "[WallPaper]";

namespace {

const char kCtrlZ = 0x1A;

bool StartsWith(const char *text, const char *prefix) { return strncmp(text, prefix, strlen(prefix)) == 0; }

bool EndsList(const char *line) { return *line == '[' || *line == '\0' || *line == kCtrlZ; }

// A decimal integer as the formatted scan reads one, held to the line:
// blanks, an optional sign, digits. Wraps modulo 2^32 (only low bits count).
bool ScanInt(const char **pp, uint32_t *value) {
    const char *p = *pp;
    while (IsLineBlank(*p)) p++;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (*p < '0' || *p > '9') return false;
    uint32_t v = 0;
    while (*p >= '0' && *p <= '9') v = v * 10u + (uint32_t)(*p++ - '0');
    *value = negative ? 0u - v : v;
    *pp = p;
    return true;
}

// A signed integer as "=%d" reads the tile value: any white space first,
// line ends included; saturated to the 32-bit range.
bool ScanSigned(const char **pp, int32_t *value) {
    const char *p = *pp;
    while (IsLineBlank(*p) || *p == '\n') p++;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (*p < '0' || *p > '9') return false;
    int64_t v = 0;
    while (*p >= '0' && *p <= '9') {
        if (v <= 2147483648LL) v = v * 10 + (*p - '0');
        p++;
    }
    if (negative) v = -v;
    if (v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    *value = (int32_t)v;
    *pp = p;
    return true;
}

// Copies the line at from, up to its CR, LF or NUL; false when it did not
// fit: dst then holds what fits, cut on a character boundary.
bool CopyToLineEnd(const char *from, char *dst, size_t cap) { return CopyCut(dst, cap, from, LineEnd(from) - from); }

// The element a color line names: the last whose name begins it (a longer
// name stands after every shorter one it begins with). -1 for none.
int ColorLineElement(const char *line) {
    int index = -1;
    for (int i = 0; i < kElementCount; i++)
        if (StartsWith(line, ElementNames[i])) index = i;
    return index;
}

// One color line; false when it begins with no element name.
bool ParseColorLine(const char *line, ColorSet *set) {
    int index = ColorLineElement(line);
    if (index < 0) return false;
    const char *p = line + strlen(ElementNames[index]);
    if (*p != '=') return true;  // a known name without "=": the element keeps its value
    p++;
    uint32_t rgb[3];
    for (int k = 0; k < 3; k++)
        if (!ScanInt(&p, &rgb[k])) return true;  // fewer than three numbers: unchanged
    set->value[index] = MakeColor((int)(rgb[0] & 0xFF), (int)(rgb[1] & 0xFF), (int)(rgb[2] & 0xFF));
    return true;
}

// The start of the line after the first line that begins with header, or
// null when there is none (or the matching line has no LF after it).
const char *FindSection(const char *text, const char *header) {
    for (const char *line = text; line; line = NextLine(line)) {
        if (*line == '[' && StartsWith(line, header)) return NextLine(line);
    }
    return nullptr;
}

// One color line as the program writes it, "Name= R G B", without its line
// end.
std::string ColorLine(int element, int32_t color) {
    char rgb[16];
    FormatRgbText(color, rgb, sizeof rgb);
    return std::string(ElementNames[element]) + "= " + rgb;
}

bool ChooseTitle(const char *text, Edition edition, char *title, size_t cap) {
    title[0] = '\0';
    for (const char *section : kEditions[edition].titleSections) {
        if (!section) break;
        const char *line = FindSection(text, section);
        if (line) {
            CopyToLineEnd(line, title, cap);
            break;
        }
    }
    return true;
}

bool ReadLegacyTitle(const char *text, Edition edition, char *title, size_t cap) {
    title[0] = '\0';
    if (!kEditions[edition].titleOfLegacyFiles) return true;
    const char *second = NextLine(text);
    if (!second) return false;
    CopyToLineEnd(second, title, cap);
    return true;
}

void ReadColorLines(const char *line, ColorSet *set, int *badLines) {
    while (line && !EndsList(line)) {
        if (!ParseColorLine(line, set)) ++*badLines;
        line = NextLine(line);
    }
}

}  // namespace

ColorSetForm DetectColorSetForm(const char *text) {
    if (StartsWith(text, kHeaderLegacy)) return kFormLegacy;
    if (StartsWith(text, kHeaderCurrent)) return kFormCurrent;
    return kFormNeither;
}

bool SectionTitle(const char *text, const char *section, char *title, size_t cap) {
    if (cap) title[0] = '\0';
    const char *line = DetectColorSetForm(text) == kFormCurrent ? FindSection(text, section) : nullptr;
    return line && (CopyToLineEnd(line, title, cap), true);
}

bool TitleFromText(const char *text, Edition edition, char *title, size_t cap) {
    if (cap) title[0] = '\0';
    switch (DetectColorSetForm(text)) {
    case kFormLegacy:
        return ReadLegacyTitle(text, edition, title, cap);
    case kFormCurrent:
        return ChooseTitle(text, edition, title, cap);
    default:
        return false;
    }
}

ColorsFromTextResult ColorsFromText(const char *text, const ColorSet &current, ColorSet *set, int *badLines) {
    *badLines = 0;
    switch (DetectColorSetForm(text)) {
    case kFormLegacy: {
        *set = current;
        const char *second = NextLine(text);
        const char *third = second ? NextLine(second) : nullptr;
        if (third) ReadColorLines(third, set, badLines);
        return kColorsRead;
    }
    case kFormCurrent: {
        const char *first = FindSection(text, kSectionColors);
        if (!first) return kColorsNoList;
        *set = current;
        ReadColorLines(first, set, badLines);
        return kColorsRead;
    }
    default:
        return kColorsNotColorSet;
    }
}

WallpaperFromTextResult WallpaperFromText(const char *text, char *name, size_t cap, int32_t *tile) {
    name[0] = '\0';
    *tile = 0;
    if (DetectColorSetForm(text) != kFormCurrent) return kWallpaperRead;
    bool fits = true;
    for (const char *line = FindSection(text, kSectionWallpaper); line && !EndsList(line); line = NextLine(line)) {
        if (StartsWith(line, "Wallpaper")) {
            const char *p = line + 9;
            while (*p == '=' || *p == ' ') p++;
            fits = CopyToLineEnd(p, name, cap);
        } else if (StartsWith(line, "TileWallpaper")) {
            const char *p = line + 13;
            int32_t value;
            if (*p == '=') {
                p++;
                if (ScanSigned(&p, &value)) *tile = value;
            }
        }
    }
    return fits ? kWallpaperRead : kWallpaperNameTooLong;
}

bool DropRefusedWallpapers(const char *text, bool (*refused)(const char *name), std::string *out) {
    out->clear();
    const char *kept = text;  // the start of the bytes not yet taken
    bool inSection = false;
    for (const char *line = DetectColorSetForm(text) == kFormCurrent ? text : nullptr; line; line = NextLine(line)) {
        if (*line == '[') inSection = StartsWith(line, kSectionWallpaper);
        if (!inSection || !StartsWith(line, "Wallpaper")) continue;
        const char *p = line + 9;
        while (*p == '=' || *p == ' ') p++;
        if (!refused(std::string(p, LineEnd(p)).c_str())) continue;
        out->append(kept, line);
        const char *next = NextLine(line);
        kept = next ? next : line + strlen(line);
    }
    out->append(kept);
    return kept != text;
}

static void AddTitle(std::string *out, const char *header, const char *title) {
    if (!title) return;
    AppendLine(out, header);
    char line[kMaxTitleBytes + 1];
    CopyToLineEnd(title, line, sizeof line);
    AppendLine(out, line);
}

ComposeResult ComposeColorSetFile(const ColorSet &colors, const char *primary, const char *sibling,
                                  const char *english, const char *wallpaper, int32_t tile, std::string *out) {
    out->clear();
    if (wallpaper && (*LineEnd(wallpaper) || strlen(wallpaper) > kMaxWallpaperNameBytes)) return kComposeNameTooLong;
    char line[160];
    snprintf(line, sizeof line, "%s%s", kHeaderCurrent, kVersionSuffix);
    AppendLine(out, line);
    AddTitle(out, kSectionPrimary, primary);
    AddTitle(out, kSectionSibling, sibling);
    AddTitle(out, kSectionEnglish, english);
    AppendLine(out, kSectionColors);
    for (int i = 0; i < kElementCount; i++)
        if (colors.value[i] != kKeepColor) AppendLine(out, ColorLine(i, colors.value[i]));
    if (wallpaper) {
        AppendLine(out, kSectionWallpaper);
        snprintf(line, sizeof line, "Wallpaper= %s", wallpaper);
        AppendLine(out, line);
        snprintf(line, sizeof line, "TileWallpaper= %d", (int)tile);
        AppendLine(out, line);
    }
    return kComposed;
}

bool PatchColorSetText(const std::string &text, const ColorSet &before, const ColorSet &after, std::string *out) {
    *out = text;
    if (DetectColorSetForm(text.c_str()) != kFormCurrent || !FindSection(text.c_str(), kSectionColors)) return false;
    for (int element = 0; element < kElementCount; element++) {
        if (after.value[element] == before.value[element] || after.value[element] == kKeepColor) continue;
        const char *base = out->c_str(), *list = FindSection(base, kSectionColors), *last = nullptr, *line = list;
        for (; line && !EndsList(line); line = NextLine(line))
            if (ColorLineElement(line) == element) last = line;
        const std::string newLine = ColorLine(element, after.value[element]);
        if (last) {  // the line that wins is rewritten, its line end kept
            out->replace((size_t)(last - base), (size_t)(LineEnd(last) - last), newLine);
            continue;
        }
        // A new line at the end of the list, ended as the list's first line is.
        const char *firstEnd = LineEnd(list);
        const std::string eol = *firstEnd == '\r' ? "\r\n" : "\n";
        size_t at = line ? (size_t)(line - base) : out->size();
        if (at > 0 && (*out)[at - 1] != '\n') out->insert(at, eol), at += eol.size();
        out->insert(at, newLine + eol);
    }
    return true;
}
