// Color-set and theme texts: the readers on any bytes, into small buffers and large ones.
#include "check.h"
#include "core/colfile_text.h"
#include "core/mbtext.h"
#include "core/setfile_text.h"
#include "core/theme_text.h"

static void ReadAny(const char *text, size_t cap) {
    ColorSet current, set;
    for (int i = 0; i < kElementCount; i++) current.value[i] = set.value[i] = 0x5A000000 + i;
    int bad = -1, lines = 1 + std::count(text, text + strlen(text), '\n'), tile = 12345;
    const bool read = ColorsFromText(text, current, &set, &bad) == kColorsRead;
    for (int i = 0; i < kElementCount; i++)
        Check(bad >= 0 && bad <= lines && (set.value[i] == current.value[i] || (read && set.value[i] >> 24 == 0)),
              "the colors of a list, each bad line counted once");
    Exact name(cap);
    const bool cut = WallpaperFromText(text, name.data(), cap, &tile) == kWallpaperNameTooLong;
    Check(!strpbrk(name.data(), "\r\n") && name.Text().size() < cap, "a wallpaper name: one line");
    Check(DetectColorSetForm(text) == kFormCurrent || (name.Text().empty() && !tile && !cut), "no wallpaper section");
    for (int e = 0; e < kEditionCount; e++) {
        Exact title(cap);
        Check(TitleFromText(text, (Edition)e, title.data(), cap) >> 1 == 0 && strstr(text, title.Text().c_str())
              && !strpbrk(title.data(), "\r\n"), "a title: one line of the text");
    }
    WholeColorSet whole;
    const int taken = ThemeColorsFromText(text, WholeKept, &whole);
    Check(taken >= 0 && taken <= kSystemColorCount && (!IsThemeText(text) || DetectColorSetForm(text) == kFormNeither),
          "a theme's colors: at most one line an element");
    if (SetFileColorsFromText(text, WholeKept, &whole, &bad) == kSetColorsRead && SetFileFormOf(text) != kSetFileTheme)
        for (int i = kElementCount; i < kSystemColorCount; i++)
            Check(whole.value[i] == kKeepColor, "a .col file: nineteen colors, never the others");
    for (const char *key : {"DisplayName", "Wallpaper"}) {
        Exact value(cap);
        const ThemeValueResult r = ThemeValue(text, key[0] == 'D' ? "Theme" : "Control Panel\\Desktop", key,
                                              value.data(), cap);
        Check(r == kThemeValueRead ? strstr(text, value.Text().c_str()) && !strpbrk(value.data(), "\r\n")
                                   : value.Text().empty(), "a theme's value: read whole from one line, or none");
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text((const char *)data, size);  // the readers take the whole file followed by a NUL
    for (int codePage : {932, 1252}) {
        SetTextCodePage(codePage);
        for (size_t cap : {(size_t)1 + size % 24, (size_t)kFullPathCap}) ReadAny(text.c_str(), cap);
    }
    return 0;
}
