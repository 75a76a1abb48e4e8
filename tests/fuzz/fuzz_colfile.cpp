// Color-set texts: the readers on any bytes, and compose then read back.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "core/colfile_text.h"
#include "core/colorset.h"
#include "core/mbtext.h"

namespace {

void Check(bool ok, const char *what) {
    if (!ok) {
        fprintf(stderr, "check failed: %s\n", what);
        abort();
    }
}

// Buffers of exactly the size passed, so that any write beyond is caught.
struct Exact {
    std::vector<char> bytes;
    explicit Exact(size_t n) : bytes(n, 'Z') {}
    char *data() { return bytes.data(); }
};

void ReadAny(const char *text) {
    for (int edition = 0; edition < kEditionCount; edition++) {
        Exact title(kPathCap);
        int r = TitleFromText(text, (Edition)edition, title.data(), kPathCap);
        Check(r == 0 || r == 1, "title result");
        Check(strnlen(title.data(), kPathCap) < kPathCap, "title terminated");
        Check(strpbrk(title.data(), "\r\n") == nullptr, "title holds one line");
    }
    ColorSet current, set;
    for (int i = 0; i < kElementCount; i++) current.value[i] = kKeepColor;
    int bad = -1;
    if (ColorsFromText(text, current, &set, &bad) == kColorsRead) {
        size_t lines = 1;
        for (const char *p = text; *p; p++) lines += *p == '\n';
        Check(bad >= 0 && (size_t)bad <= lines, "bad line count");
        for (int i = 0; i < kElementCount; i++)
            Check(set.value[i] == kKeepColor || (set.value[i] & 0xFF000000) == 0, "color value");
    }
    size_t caps[] = {1, 16, kFullPathCap};
    for (size_t cap : caps) {
        Exact name(cap);
        int32_t tile = 12345;
        WallpaperFromTextResult r = WallpaperFromText(text, name.data(), cap, &tile);
        Check(strnlen(name.data(), cap) < cap, "wallpaper name terminated");
        if (r == kWallpaperRead && DetectColorSetForm(text) != kFormCurrent)
            Check(name.data()[0] == '\0' && tile == 0, "no wallpaper outside the current form");
    }
}

// The first line of a title as the writer keeps it: up to CR or LF, at most
// 129 bytes. The writer may give up one more byte to keep a character whole.
bool TitleReadBack(const std::string &title, const char *read) {
    std::string given = title.c_str();  // the writer gets the text up to its NUL
    size_t line = strcspn(given.c_str(), "\r\n");
    size_t len = strlen(read);
    size_t most = line < kMaxTitleBytes ? line : kMaxTitleBytes;
    return len <= most && len + 1 >= most && given.compare(0, len, read) == 0;
}

void ComposeAndRead(FuzzedDataProvider &in) {
    ColorSet colors;
    for (int i = 0; i < kElementCount; i++) colors.value[i] = in.ConsumeIntegral<int32_t>();
    std::string titles[3];
    bool has[3];
    for (int i = 0; i < 3; i++) {
        has[i] = in.ConsumeBool();
        titles[i] = in.ConsumeRandomLengthString(300);
    }
    bool hasWallpaper = in.ConsumeBool();
    std::string wallpaper = in.ConsumeRandomLengthString(200);
    int32_t tile = in.ConsumeIntegral<int32_t>();

    std::string text;
    ComposeResult r = ComposeColorSetFile(colors, has[0] ? titles[0].c_str() : nullptr,
                                          has[1] ? titles[1].c_str() : nullptr, has[2] ? titles[2].c_str() : nullptr,
                                          hasWallpaper ? wallpaper.c_str() : nullptr, tile, &text);
    const char *wp = wallpaper.c_str();
    if (r == kComposeNameTooLong) {
        Check(hasWallpaper && (strlen(wp) > kMaxWallpaperNameBytes || strpbrk(wp, "\r\n")), "refusal");
        Check(text.empty(), "nothing composed after a refusal");
        return;
    }
    Check(!hasWallpaper || (strlen(wp) <= kMaxWallpaperNameBytes && !strpbrk(wp, "\r\n")), "accepted name");
    Check(DetectColorSetForm(text.c_str()) == kFormCurrent, "current form");

    // A title line that begins with '[' reads as a section header: the
    // format cannot carry such titles, so only the form is checked.
    for (int i = 0; i < 3; i++)
        if (has[i] && titles[i].c_str()[0] == '[') return;

    // Title sections tried by each edition, in order.
    const int order[3][3] = {{0, 1, 2}, {1, 2, -1}, {2, -1, -1}};
    for (int edition = 0; edition < 3; edition++) {
        int pick = -1;
        for (int k = 0; k < 3 && order[edition][k] >= 0 && pick < 0; k++)
            if (has[order[edition][k]]) pick = order[edition][k];
        char title[kPathCap];
        Check(TitleFromText(text.c_str(), (Edition)edition, title, sizeof title) == 1, "title result");
        if (pick < 0)
            Check(title[0] == '\0', "no title section");
        else
            Check(TitleReadBack(titles[pick], title), "title read back");
    }

    ColorSet current, set;
    for (int i = 0; i < kElementCount; i++) current.value[i] = kKeepColor;
    int bad = -1;
    Check(ColorsFromText(text.c_str(), current, &set, &bad) == kColorsRead, "colors read");
    Check(bad == 0, "no bad lines in a written file");
    for (int i = 0; i < kElementCount; i++) Check(set.value[i] == (colors.value[i] & 0x00FFFFFF), "color read back");

    char name[kFullPathCap];
    int32_t tileRead = -1;
    Check(WallpaperFromText(text.c_str(), name, sizeof name, &tileRead) == kWallpaperRead, "wallpaper read");
    if (hasWallpaper) {
        while (*wp == '=' || *wp == ' ') wp++;  // the reader skips these after the key
        Check(strcmp(name, wp) == 0, "wallpaper name read back");
        Check(tileRead == tile, "tile read back");
    } else {
        Check(name[0] == '\0' && tileRead == 0, "no wallpaper");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // The readers work on the whole file followed by a NUL.
    std::string text((const char *)data, size);
    const int codePages[] = {932, 1252};
    for (int cp : codePages) {
        SetTextCodePage(cp);
        ReadAny(text.c_str());
        FuzzedDataProvider in(data, size);
        ComposeAndRead(in);
    }
    return 0;
}
