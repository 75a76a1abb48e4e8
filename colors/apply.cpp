#include "apply.h"

#include <stdint.h>

#include "../core/capacity.h"
#include "../messages/msgbox.h"
#include "../platform/win32.h"
#include "setfile.h"
#include "syscolors.h"
#include "wallpaper.h"

// The wallpaper the text names, if any. A name too long to be a file's is
// reported as a wallpaper that is not found: a cut one would name another
// file. A theme's wallpaper on another machine is refused, as
// ApplyWallpaper refuses a color set's.
static void ApplyWallpaperOfText(HWND owner, const char *text) {
    char name[kFullPathCap];
    int32_t tile = 0;
    switch (SetFileWallpaper(text, name, sizeof name, &tile)) {
    case kWallpaperOffMachine:
        ShowMessage(owner, kMsgWallpaperRefused, name);
        break;
    case kWallpaperTooLong:
        ShowMessage(owner, kMsgWallpaperMissing, name);
        break;
    case kWallpaperNamed:
        ApplyWallpaper(owner, name, tile);
        break;
    case kNoWallpaper:
        break;
    }
}

// Reads the file's colors, showing the readers' messages: every color it
// names, the others kept. The command line reads the title first, as the
// test that the file is a color set at all.
static bool ReadAppliedColors(const char *path, ApplyRoad road, FileText *file, WholeColorSet *colors) {
    WaitCursor wait;
    char title[kPathCap];
    return LoadSetFileText(path, file, road == kFromCommandLine ? kMsgOpenFailed : kMsgInternalNotFound) &&
           (road != kFromCommandLine || SetFileTitle(file->text, path, title, sizeof title)) &&
           SetFileColors(file->text, path, WholeKept, colors);
}

bool ApplyColorSetFile(HWND owner, const char *path, ApplyRoad road) {
    FileText file;
    WholeColorSet colors;
    if (!ReadAppliedColors(path, road, &file, &colors)) return false;
    ApplyColors(colors);
    ApplyWallpaperOfText(owner, file.text);
    return true;
}
