#include "apply.h"

#include <stdint.h>

#include "../core/capacity.h"
#include "../core/colfile_text.h"
#include "../core/theme_text.h"
#include "../messages/msgbox.h"
#include "../platform/win32.h"
#include "../state/appstate.h"
#include "colfile.h"
#include "syscolors.h"
#include "theme.h"
#include "wallpaper.h"

// The wallpaper section of the text, if it names a file. A name too long
// to be a file's is reported as a wallpaper that is not found: a cut one
// would name another file. A theme's wallpaper is applied when its file is
// there (themes name files of the systems they were made on); one on
// another machine is refused, as ApplyWallpaper refuses a color set's.
static void ApplyWallpaperOfText(HWND owner, const char *text) {
    char name[kFullPathCap];
    int32_t tile = 0;
    if (IsThemeText(text)) {
        switch (ThemeWallpaper(text, name, sizeof name, &tile)) {
        case kThemeWallpaperFound:
            ApplyWallpaper(owner, name, tile);
            break;
        case kThemeWallpaperOffMachine:
            ShowMessage(owner, kMsgWallpaperRefused, name, MB_OK | MB_ICONERROR);
            break;
        case kThemeWallpaperNone:
            break;
        }
        return;
    }
    if (WallpaperFromText(text, name, sizeof name, &tile) == kWallpaperNameTooLong) {
        ShowMessage(owner, kMsgWallpaperMissing, name, MB_OK | MB_ICONHAND);
        return;
    }
    if (name[0]) ApplyWallpaper(owner, name, tile);
}

// Reads the file's colors, showing the readers' messages. The command line
// reads the title first, as the test that the file is a color set at all.
static bool ReadAppliedColors(const char *path, ApplyRoad road, FileText *file, ColorSet *colors) {
    WaitCursor wait;
    char title[kPathCap];
    return LoadColorSetText(path, file, road == kFromCommandLine ? kMsgOpenFailed : kMsgInternalNotFound) &&
           (road != kFromCommandLine || TitleFromText(file->text, g_app.edition, title, sizeof title) ||
            IsThemeText(file->text)) &&
           ColorsOfColorSetText(file->text, path, DesktopColorSet(), colors);
}

bool ApplyColorSetFile(HWND owner, const char *path, ApplyRoad road) {
    FileText file;
    ColorSet colors;
    if (!ReadAppliedColors(path, road, &file, &colors)) return false;
    ApplyColors(colors);
    ApplyWallpaperOfText(owner, file.text);
    return true;
}
