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
#include "textfile.h"
#include "wallpaper.h"

// The modules a theme may take its name from: files of the Windows
// directory, named by their absolute local path once environment variables
// are expanded, as the system's own themes name them
// (%SystemRoot%\System32\themeui.dll). A bare name would load whatever the
// search order finds first, and a network path would reach out of the
// machine, each time the list is built: neither is ever loaded.
static bool WindowsModulePath(const char *module, char *path, size_t cap) {
    char expanded[kFullPathCap], windows[kFullPathCap];
    DWORD n = ExpandEnvironmentStringsA(module, expanded, sizeof expanded);
    UINT w = GetWindowsDirectoryA(windows, sizeof windows);
    return n > 0 && n <= sizeof expanded && IsDriveRootedPath(expanded) && w > 0 && w < sizeof windows &&
           (EndsWithChar(windows, '\\') || AppendText(windows, sizeof windows, "\\")) &&
           GetFullPath(expanded, path, cap) && IsDriveRootedPath(path) && StartsWithNoCaseAscii(path, windows);
}

// "@module,-id": the string id of such a module, loaded without running it,
// when the system code page holds it exactly (the '?' of a character it
// lacks would become the name).
static bool LoadIndirectString(const char *value, char *out, size_t cap) {
    const char *comma = strrchr(value, ',');
    if (value[0] != '@' || !comma || comma[1] != '-' || cap < 2) return false;
    char module[kFullPathCap], path[kFullPathCap];
    int id = atoi(comma + 2);
    if (id <= 0 || !CopyBytes(module, sizeof module, value + 1, (size_t)(comma - value - 1)) ||
        !WindowsModulePath(module, path, sizeof path))
        return false;
    HMODULE loaded = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!loaded) return false;
    wchar_t text[kMessageCap];
    int length = LoadStringW(loaded, (UINT)id, text, kMessageCap);
    FreeLibrary(loaded);
    bool exact;
    int size = WideToCodePage(text, length, out, (int)(cap - 1), kUnconvertibleChar, &exact);
    if (size <= 0 || !exact) return false;
    out[size] = '\0';
    return true;
}

void ThemeTitle(const char *text, const char *path, char *title, size_t cap) {
    char name[kMessageCap], resolved[kMessageCap];
    const char *shown = nullptr;
    if (ThemeValue(text, kThemeSectionTheme, "DisplayName", name, sizeof name) == kThemeValueRead && name[0])
        shown = name[0] != '@' ? name : LoadIndirectString(name, resolved, sizeof resolved) ? resolved : nullptr;
    if (shown && strchr(shown, kUnconvertibleChar)) shown = nullptr;  // not in the system code page
    if (!shown && FileBaseName(path, name, sizeof name)) shown = name;
    CopyTextCut(title, cap, shown ? shown : "");
}

ThemeWallpaperResult ThemeWallpaper(const char *text, char *path, size_t cap, int32_t *tile) {
    char value[kFullPathCap], expanded[kFullPathCap], full[kFullPathCap];
    if (ThemeValue(text, kThemeSectionDesktop, "Wallpaper", value, sizeof value) != kThemeValueRead || !value[0])
        return kThemeWallpaperNone;
    DWORD n = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
    if (n == 0 || n > sizeof expanded) return kThemeWallpaperNone;
    if (IsWallpaperOffMachine(expanded)) return CopyTextCut(path, cap, expanded), kThemeWallpaperOffMachine;
    if (!GetFullPath(expanded, full, sizeof full) || !FileExists(full) || !CopyText(path, cap, full))
        return kThemeWallpaperNone;
    char tileText[16];
    *tile = ThemeValue(text, kThemeSectionDesktop, "TileWallpaper", tileText, sizeof tileText) == kThemeValueRead
                ? atoi(tileText)
                : 0;
    return kThemeWallpaperFound;
}

bool WriteThemeFile(const WholeColorSet &colors, const char *path, const char *name, const char *wallpaper,
                    int32_t tile) {
    std::string text;
    return WriteComposedText(path, ComposeThemeFile(colors, name, wallpaper, tile, &text), text);
}
