// Path and text helpers, list entry names, argument text and messages on
// any bytes, with Shift-JIS and single-byte stepping.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "core/argtext.h"
#include "core/entryname.h"
#include "core/savename.h"
#include "core/mbtext.h"
#include "core/capacity.h"
#include "core/messages.h"

namespace {

void Check(bool ok, const char *what) {
    if (!ok) {
        fprintf(stderr, "check failed: %s\n", what);
        abort();
    }
}

// A buffer of exactly n bytes on the heap, so that a write beyond is caught.
struct Exact {
    std::vector<char> bytes;
    explicit Exact(size_t n) : bytes(n ? n : 1, 'Z') {}
    char *data() { return bytes.data(); }
};

bool IsSeparator(char c) { return c == '\\' || c == ':'; }

// Offsets of the character starts of text, and its length.
std::vector<size_t> CharStarts(const char *text) {
    std::vector<size_t> starts;
    const char *p = text;
    while (*p) {
        starts.push_back((size_t)(p - text));
        const char *n = NextChar(p);
        Check(n > p && n <= text + strlen(text), "NextChar steps forward inside the text");
        p = n;
    }
    starts.push_back((size_t)(p - text));
    return starts;
}

bool IsStart(const std::vector<size_t> &starts, size_t at) {
    for (size_t s : starts)
        if (s == at) return true;
    return false;
}

void Paths(const char *text, size_t smallCap) {
    size_t len = strlen(text);
    std::vector<size_t> starts = CharStarts(text);

    const char probes[] = {'\0', '\\', '\t', '\n', ':', '.', text[0]};
    for (char c : probes) {
        const char *at = FindChar(text, c);
        if (at) {
            size_t off = (size_t)(at - text);
            Check(off <= len && *at == c && IsStart(starts, off), "FindChar at a character start");
        }
        if (c == '\0') Check(at == text + len, "FindChar of 0 gives the end");
    }

    size_t dirLen = DirPartLength(text);
    Check(dirLen <= len, "directory part inside the text");
    Check(dirLen == 0 || (IsSeparator(text[dirLen - 1]) && IsStart(starts, dirLen - 1)), "directory ends at a separator");
    Check(FileNamePart(text) == text + dirLen && WallpaperNamePart(text) == text + dirLen, "file name part");
    bool ext = HasExtension(text);
    Check(ext == (FindChar(text + dirLen, '.') != nullptr), "extension after the directory part");

    Exact dir(132), file(132);
    if (SplitPath(text, dir.data(), 132, file.data(), 132))
        Check(std::string(dir.data()) + file.data() == text && strlen(dir.data()) == dirLen, "split and joined");
    else
        Check(dir.data()[0] == '\0' && file.data()[0] == '\0' && (dirLen >= 132 || len - dirLen >= 132), "split refused");

    Exact base(16);
    if (ModuleBaseName(text, base.data(), 16)) {
        Check(strlen(base.data()) < 16 && strstr(text, base.data()) != nullptr, "base name from the path");
        Check(strchr(base.data(), '.') == nullptr || strchr(text, '.') != nullptr, "base name");
    }

    bool ends = EndsWithChar(text, '\\');
    Check(!ends || (len > 0 && text[len - 1] == '\\' && IsStart(starts, len - 1)), "ends with a backslash");

    Exact cut(smallCap);
    CopyTextCut(cut.data(), smallCap, text);
    size_t cutLen = strlen(cut.data());
    Check(cutLen < smallCap && strncmp(cut.data(), text, cutLen) == 0 && IsStart(starts, cutLen), "cut copy");

    Exact copy(smallCap);
    memcpy(copy.data(), "Q", smallCap >= 2 ? 2 : 1);
    if (smallCap < 2) copy.data()[0] = '\0';
    std::vector<char> before = copy.bytes;
    if (CopyText(copy.data(), smallCap, text))
        Check(strcmp(copy.data(), text) == 0, "copy whole");
    else
        Check(copy.bytes == before, "copy refused leaves the buffer");
    before = copy.bytes;
    if (!AppendText(copy.data(), smallCap, text)) Check(copy.bytes == before, "append refused leaves the buffer");
}

void Entries(const char *text, size_t smallCap) {
    Exact name(smallCap);
    if (FileEntryName(text, name.data(), smallCap)) {
        size_t n = strlen(name.data());
        Check(text[0] == '(' && strncmp(text + 1, name.data(), n) == 0 && text[n + 1] == ')' && text[n + 2] == '\t',
              "entry name between the parentheses");
    }
    const char *arg = ArgumentText(text);
    Check(arg >= text && arg <= text + strlen(text), "argument inside the command line");
    Check(*arg == '\0' || (unsigned char)*arg > ' ', "argument starts after the blanks");
}

void Messages(const char *text, size_t smallCap) {
    const char *name = text;
    for (int key = 0; key < kMessageKeyCount; key++)
        for (int edition = 0; edition < 3; edition++) {
            Exact whole(kMessageCap * 2);
            ComposeMessage((MessageKey)key, (Edition)edition, name, whole.data(), kMessageCap * 2);
            Exact out(smallCap);
            ComposeMessage((MessageKey)key, (Edition)edition, name, out.data(), smallCap);
            size_t n = strnlen(out.data(), smallCap);
            Check(n < smallCap && strncmp(out.data(), whole.data(), n) == 0, "message is a prefix of the whole");
        }
    Exact whole(kMessageCap * 2), out(smallCap);
    for (int edition = 0; edition < 3; edition++) {
        ComposeRenameFailed((Edition)edition, name, name, whole.data(), kMessageCap * 2);
        ComposeRenameFailed((Edition)edition, name, name, out.data(), smallCap);
        Check(strncmp(out.data(), whole.data(), strlen(out.data())) == 0, "rename message is a prefix");
    }
    FormatWithName(text, "name.bmp", whole.data(), kMessageCap * 2);
    FormatWithName(text, "name.bmp", out.data(), smallCap);
    Check(strncmp(out.data(), whole.data(), strlen(out.data())) == 0, "format is a prefix");
}

}  // namespace

// The Save As and Add name rules: nothing written beyond the exact buffers,
// and a pattern is either split whole or refused.
void NameRules(const char *text, size_t smallCap) {
    DecideSaveName(text, smallCap);
    Exact ext(8);
    memcpy(ext.data(), ".col", 5);
    if (AdoptFilterExtension(text, ext.data(), 8)) Check(strlen(ext.data()) < 8 && ext.data()[0] == '.', "adopted extension");
    Exact dir(smallCap), filter(16);
    if (SplitTypedPattern(text, dir.data(), smallCap, filter.data(), 16, 8) == kPatternSplit) {
        std::string joined = std::string(dir.data()) + filter.data();
        Check(joined == text, "a split pattern is the typed text");
    }
    Exact out(smallCap);
    if (DirectoryPattern(text, "*.col", out.data(), smallCap)) Check(strlen(out.data()) < smallCap, "pattern fits");
    if (ImportDestination("C:\\PROG\\", text, out.data(), smallCap)) Check(strlen(out.data()) < smallCap, "destination fits");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // The first byte chooses the small buffer size; the rest is the text.
    size_t smallCap = size ? 1 + data[0] % 40 : 8;
    std::string text = size ? std::string((const char *)data + 1, size - 1) : std::string();
    if (text.size() > 600) return 0;  // longer than any path or entry
    const int codePages[] = {932, 1252};
    for (int cp : codePages) {
        SetTextCodePage(cp);
        Paths(text.c_str(), smallCap);
        Entries(text.c_str(), smallCap);
        Messages(text.c_str(), smallCap);
        NameRules(text.c_str(), smallCap);
    }
    return 0;
}
