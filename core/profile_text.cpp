#include "profile_text.h"

#include <string.h>

#include "mbtext.h"

namespace {

// The platform's blanks around names and values: white space and ^Z.
bool IsProfileBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == 0x1A; }

struct Span {
    const char *begin, *end;
    bool Empty() const { return begin == end; }
};

Span Trimmed(Span s) {
    while (s.begin < s.end && IsProfileBlank(*s.begin)) s.begin++;
    while (s.end > s.begin && IsProfileBlank(s.end[-1])) s.end--;
    return s;
}

Span WholeText(const char *text) { return Trimmed({text, text + strlen(text)}); }

// One character on, a NUL byte in the file counting as one.
const char *Step(const char *p) {
    const char *n = NextChar(p);
    return n > p ? n : p + 1;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c; }

bool SameName(Span a, Span b) {
    const char *p = a.begin, *q = b.begin;
    while (p < a.end && q < b.end) {
        const char *pn = Step(p), *qn = Step(q);
        if (pn - p != qn - q) return false;
        if (pn - p == 1 ? LowerAscii(*p) != LowerAscii(*q) : memcmp(p, q, (size_t)(pn - p)) != 0) return false;
        p = pn, q = qn;
    }
    return p == a.end && q == b.end;
}

// The first character c of s, or s.end; the last one when last.
const char *FindIn(Span s, char c, bool last) {
    const char *found = s.end;
    for (const char *p = s.begin; p < s.end; p = Step(p))
        if (*p == c) {
            found = p;
            if (!last) break;
        }
    return found;
}

// A section line: its name in *name.
bool IsSectionLine(Span line, Span *name) {
    if (line.Empty() || *line.begin != '[') return false;
    const char *close = FindIn({line.begin + 1, line.end}, ']', true);
    if (close == line.end) return false;
    *name = {line.begin + 1, close};
    return true;
}

bool HoldsLineBreak(const char *text) { return strchr(text, '\r') || strchr(text, '\n'); }

bool HasByteOrderMark(const std::string &text) {
    static const char *const kMarks[] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    for (const char *mark : kMarks)
        if (text.compare(0, strlen(mark), mark) == 0) return true;
    return false;
}

}  // namespace

ProfileEdit SetProfileKey(const std::string &text, const char *section, const char *key, const char *value,
                          std::string *out) {
    Span wantSection = WholeText(section), wantKey = WholeText(key);
    if (wantSection.Empty() || wantKey.Empty() || HoldsLineBreak(section) || HoldsLineBreak(key) ||
        HoldsLineBreak(value) || FindIn(wantSection, ']', false) != wantSection.end ||
        FindIn(wantKey, '=', false) != wantKey.end || *wantKey.begin == '[')
        return kProfileUnwritable;
    if (HasByteOrderMark(text)) return kProfileNotCodePage;
    while (IsProfileBlank(*value)) value++;
    const std::string newKeyLine = std::string(wantKey.begin, wantKey.end) + "=" + value + "\r\n";

    const char *start = text.c_str(), *end = start + text.size();
    const char *insertAt = nullptr;  // after the found section's last line that is not blank
    for (const char *line = start; line < end;) {
        const char *lf = (const char *)memchr(line, '\n', (size_t)(end - line));
        const char *next = lf ? lf + 1 : end;
        Span content = Trimmed({line, lf ? lf : end}), name;
        if (IsSectionLine(content, &name)) {
            if (insertAt) break;  // the found section ends here
            if (SameName(name, wantSection)) insertAt = next;
        } else if (insertAt && !content.Empty()) {
            Span lineKey = Trimmed({content.begin, FindIn(content, '=', false)});
            if (SameName(lineKey, wantKey)) {
                const char *oldValue = lineKey.end < content.end ? Trimmed({lineKey.end + 1, content.end}).begin
                                                                 : content.end;
                if (lineKey.end < content.end && std::string(oldValue, content.end) == value)
                    return kProfileUnchanged;
                *out = std::string(start, lineKey.end) + "=" + value + std::string(content.end, end);
                return kProfileEdited;
            }
            insertAt = next;
        }
        line = next;
    }
    const bool ended = text.empty() || end[-1] == '\n';
    if (insertAt) {
        std::string lineBreak = insertAt == end && !ended ? "\r\n" : "";
        *out = std::string(start, insertAt) + lineBreak + newKeyLine + std::string(insertAt, end);
    } else {
        *out = text + (ended ? "" : "\r\n") + (text.empty() ? "" : "\r\n") + "[" +
               std::string(wantSection.begin, wantSection.end) + "]\r\n" + newKeyLine;
    }
    return kProfileEdited;
}
