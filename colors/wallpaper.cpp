#include "wallpaper.h"

#include <stdio.h>

#include "../app/globals.h"
#include "../platform/mbtext.h"
#include "../platform/win32.h"
#include "../resources/resource.h"
#include "../resources/strings.h"
#include "colfile.h"
#include "colfile_text.h"

bool ReadCurrentWallpaper(char *name, size_t cap, int32_t *tile) {
    char value[260];
    ReadProfileText("Desktop", "Wallpaper", "", value, sizeof value);
    if (lstrcmpiA(value, kWallpaperNoneJapanese) == 0 || lstrcmpiA(value, kWallpaperNoneEnglish) == 0 ||
        value[0] == '\0')
        return false;
    CopyTextCut(name, cap, WallpaperNamePart(value));
    *tile = ReadProfileInt("Desktop", "TileWallpaper", 0);
    return true;
}

void ApplyWallpaper(HWND owner, const char *fileName, int32_t tile) {
    char programDir[260];
    if (GetProgramDir(programDir, sizeof programDir)) SetCurrentDir(programDir);
    char fullPath[MAX_PATH];
    if (!SearchFileFullPath(fileName, fullPath, sizeof fullPath)) {
        char format[260], text[kMessageCap];
        LoadEditionString(IDS_WALLPAPER_MISSING_JA, IDS_WALLPAPER_MISSING_EN, format, sizeof format);
        FormatWithName(format, fileName, text, sizeof text);
        ShowTitledMessage(owner, text, MB_OK | MB_ICONERROR);
        return;
    }
    char tileText[16];
    snprintf(tileText, sizeof tileText, "%d", (int)tile);
    WriteProfileText("Desktop", "TileWallpaper", tileText);
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, fullPath, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
    SendMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0);
    InvalidateRect(GetDesktopWindow(), nullptr, TRUE);
}

void ApplyFileWallpaper(HWND owner, const char *colorSetPath) {
    char name[kWallpaperNameCap];
    int32_t tile = 0;
    if (ReadColorSetWallpaper(owner, colorSetPath, name, sizeof name, &tile) && name[0]) ApplyWallpaper(owner, name, tile);
}
