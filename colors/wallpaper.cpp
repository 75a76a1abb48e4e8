#include "wallpaper.h"

#include <stdio.h>
#include <string.h>

#include <string>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/netpath.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../platform/profile.h"
#include "../platform/win32.h"

// What win.ini's Desktop "Wallpaper" holds when no wallpaper is in force,
// in either language: both are recognised in every edition.
static const char kWallpaperNoneEnglish[] = "(none)";
static const char kWallpaperNoneJapanese[] = "(なし)";

bool ReadCurrentWallpaperPath(char *path, size_t cap, int32_t *tile) {
    char value[kLineCap];
    ReadProfileText("Desktop", "Wallpaper", "", value, sizeof value);
    if (lstrcmpiA(value, kWallpaperNoneJapanese) == 0 || lstrcmpiA(value, kWallpaperNoneEnglish) == 0 ||
        value[0] == '\0' || !CopyText(path, cap, value))
        return false;
    *tile = ReadProfileInt("Desktop", "TileWallpaper", 0);
    return true;
}

bool ReadCurrentWallpaper(char *name, size_t cap, int32_t *tile) {
    char value[kLineCap];
    if (!ReadCurrentWallpaperPath(value, sizeof value, tile)) return false;
    CopyTextCut(name, cap, FileNamePart(value));
    return true;
}

// Each directory of a list such as PATH ("a;b;c") that name leaves for
// another machine or a device.
static bool LeavesAnyOf(const char *dirs, const char *name) {
    for (const char *start = dirs, *end; *start; start = *end ? end + 1 : end) {
        end = FindChar(start, ';');
        if (!end) end = start + strlen(start);
        if (end > start && LeavesForRemotePlace(std::string(start, end).c_str(), name)) return true;
    }
    return false;
}

bool IsWallpaperOffMachine(const char *name) {
    if (PlaceOfPath(name) != kPlaceLocal) return true;
    char dirs[4][kFullPathCap] = {};
    GetProgramDir(dirs[0], kFullPathCap);
    GetCurrentDir(dirs[1], kFullPathCap);
    if (GetSystemDirectoryA(dirs[2], kFullPathCap) >= kFullPathCap) dirs[2][0] = '\0';
    if (GetWindowsDirectoryA(dirs[3], kFullPathCap) >= kFullPathCap) dirs[3][0] = '\0';
    for (const char *dir : dirs)
        if (dir[0] && LeavesForRemotePlace(dir, name)) return true;
    DWORD length = GetEnvironmentVariableA("PATH", nullptr, 0);
    std::string path(length, '\0');
    return length > 0 && GetEnvironmentVariableA("PATH", &path[0], length) == length - 1 &&
           LeavesAnyOf(path.c_str(), name);
}

void ApplyWallpaper(HWND owner, const char *fileName, int32_t tile) {
    char programDir[kFullPathCap];
    if (GetProgramDir(programDir, sizeof programDir)) SetCurrentDir(programDir);
    if (IsWallpaperOffMachine(fileName)) {  // never looked up: its server would be handed the user's sign-in
        ShowMessage(owner, kMsgWallpaperRefused, fileName);
        return;
    }
    char fullPath[kFullPathCap];
    if (!SearchFileFullPath(fileName, fullPath, sizeof fullPath)) {
        ShowMessage(owner, kMsgWallpaperMissing, fileName);
        return;
    }
    // A file that is no picture (an empty one, a device) is refused before
    // anything is written; so is a picture the system refuses to show.
    if (!IsPictureFile(fullPath)) {
        ShowMessage(owner, kMsgWallpaperRefused, fileName);
        return;
    }
    ProfileLock lock;  // the tile flag and the picture belong together
    if (!lock.Held()) {
        TellProfileWrite(owner, kProfileBusy, "win.ini");
        return;
    }
    char tileText[16], oldTile[16];
    ReadProfileText("Desktop", "TileWallpaper", "0", oldTile, sizeof oldTile);
    snprintf(tileText, sizeof tileText, "%d", (int)tile);
    WriteProfileText("Desktop", "TileWallpaper", tileText);
    if (WriteDesktopWallpaper(fullPath) != kProfileWritten) {
        WriteProfileText("Desktop", "TileWallpaper", oldTile);
        ShowMessage(owner, kMsgWallpaperRefused, fileName);
        return;
    }
    SendMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0);
    InvalidateRect(GetDesktopWindow(), nullptr, TRUE);
}
