#include "theme.h"

#include <stdlib.h>
#include <string.h>

#include <string>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/theme_text.h"
#include "../platform/files.h"
#include "../platform/textcode.h"
#include "../platform/win32.h"
#include "../resources/msgbox.h"
#include "syscolors.h"

// "@module,-id": the string id of the module (environment variables
// expanded), loaded without running the module.
static bool LoadIndirectString(const char *value, char *out, size_t cap) {
    const char *comma = strrchr(value, ',');
    if (value[0] != '@' || !comma || comma[1] != '-') return false;
    char module[kFullPathCap], expanded[kFullPathCap];
    if (!CopyBytes(module, sizeof module, value + 1, (size_t)(comma - value - 1))) return false;
    DWORD n = ExpandEnvironmentStringsA(module, expanded, sizeof expanded);
    int id = atoi(comma + 2);
    if (n == 0 || n > sizeof expanded || id <= 0) return false;
    HMODULE loaded = LoadLibraryExA(expanded, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!loaded) return false;
    int length = LoadStringA(loaded, (UINT)id, out, cap > 0x7FFFFFFF ? 0x7FFFFFFF : (int)cap);
    FreeLibrary(loaded);
    return length > 0;
}

void ThemeTitle(const char *text, const char *path, char *title, size_t cap) {
    char name[kMessageCap], resolved[kMessageCap];
    const char *shown = nullptr;
    if (ThemeValue(text, kThemeSectionTheme, "DisplayName", name, sizeof name) == kThemeValueRead && name[0])
        shown = name[0] != '@' ? name : LoadIndirectString(name, resolved, sizeof resolved) ? resolved : nullptr;
    if (shown && strchr(shown, kUnconvertibleChar)) shown = nullptr;  // not in the system code page
    if (!shown && ThemeBaseName(path, name, sizeof name)) shown = name;
    CopyTextCut(title, cap, shown ? shown : "");
}

int ThemeColors(const char *text, const char *path, ColorSet *set) {
    ColorSet current;
    CaptureColors(&current);
    if (ThemeColorsFromText(text, current, set) > 0) return 1;
    ShowMessage(nullptr, kMsgThemeWithoutColors, path, MB_OK | MB_ICONHAND);
    return 0;
}

bool ThemeWallpaper(const char *text, char *path, size_t cap, int32_t *tile) {
    char value[kFullPathCap], expanded[kFullPathCap], full[kFullPathCap];
    if (ThemeValue(text, kThemeSectionDesktop, "Wallpaper", value, sizeof value) != kThemeValueRead || !value[0])
        return false;
    DWORD n = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
    if (n == 0 || n > sizeof expanded || !GetFullPath(expanded, full, sizeof full) || !FileExists(full) ||
        !CopyText(path, cap, full))
        return false;
    char tileText[16];
    *tile = ThemeValue(text, kThemeSectionDesktop, "TileWallpaper", tileText, sizeof tileText) == kThemeValueRead
                ? atoi(tileText)
                : 0;
    return true;
}

int WriteThemeFile(const ColorSet &colors, const char *path, const char *name, const char *wallpaper,
                   int32_t tile) {
    ShowWaitCursor();
    std::string text;
    bool ok = ComposeThemeFile(colors, name, wallpaper, tile, &text) == kComposed &&
              WriteFileReplacing(path, text.data(), text.size());
    ShowArrowCursor();
    if (!ok) ShowMessage(nullptr, kMsgSaveFailed, path, MB_OK | MB_ICONHAND);
    return ok;
}
