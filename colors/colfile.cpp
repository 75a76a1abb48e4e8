#include "colfile.h"

#include <string>

#include "../app/globals.h"
#include "../platform/win32.h"
#include "../resources/resource.h"
#include "../resources/strings.h"
#include "colfile_text.h"
#include "syscolors.h"

int WriteColorSetFile(const ColorSet &colors, const char *path, const char *primary, const char *sibling,
                      const char *english, const char *wallpaper, int32_t tile) {
    ShowWaitCursor();
    std::string text;
    bool ok = ComposeColorSetFile(colors, primary, sibling, english, wallpaper, tile, &text) == kComposed &&
              WriteFileReplacing(path, text.data(), text.size());
    ShowArrowCursor();
    if (!ok) {
        ShowNamedMessage(nullptr, kMsgSaveFailed, path, MB_OK | MB_ICONHAND);
        return 0;
    }
    return 1;
}

// Loads the file, reporting a failure with the open-failure message given.
static bool LoadForReading(const char *path, FileText *file, bool titleReader) {
    switch (LoadWholeFile(path, file)) {
    case kFileRead:
        return true;
    case kFileNoMemory:
        ShowOutOfMemory();
        return false;
    case kFileCantOpen:
        break;
    }
    if (titleReader) {
        ShowNamedMessage(nullptr, kMsgOpenFailed, path, MB_OK | MB_ICONHAND);
    } else {
        char text[kMessageCap];
        FormatWithName(kFormatInternalNotFound, path, text, sizeof text);
        ShowTitledMessage(nullptr, text, MB_OK | MB_ICONHAND);
    }
    return false;
}

int ReadColorSetTitle(const char *path, char *title, size_t cap) {
    if (cap) title[0] = '\0';
    FileText file;
    if (!LoadForReading(path, &file, true)) return 0;
    int result = TitleFromText(file.text, g_app.edition, title, cap);
    FreeFileText(&file);
    return result;
}

int ReadColorSetColors(ColorSet *set, const char *path) {
    ShowWaitCursor();
    FileText file;
    if (!LoadForReading(path, &file, false)) {
        ShowArrowCursor();
        return 0;
    }
    ColorSet current;
    CaptureColors(&current);
    int badLines = 0;
    ColorsFromTextResult result = ColorsFromText(file.text, current, set, &badLines);
    FreeFileText(&file);
    ShowArrowCursor();
    switch (result) {
    case kColorsNotColorSet:
        ShowTitledMessage(nullptr, kTextNotColorSet, MB_OK | MB_ICONHAND);
        return 0;
    case kColorsNoList:
        ShowTitledMessage(nullptr, kTextNoColorsSection, MB_OK | MB_ICONHAND);
        return 0;
    case kColorsRead:
        break;
    }
    for (int i = 0; i < badLines; i++) ShowTitledMessage(nullptr, MessageText(kMsgBadLine, g_app.edition), MB_OK);
    return 1;
}

int ReadColorSetWallpaper(HWND owner, const char *path, char *name, size_t cap, int32_t *tile) {
    if (cap) name[0] = '\0';
    *tile = 0;
    ShowWaitCursor();
    FileText file;
    if (!LoadForReading(path, &file, false)) {
        ShowArrowCursor();
        return 0;
    }
    WallpaperFromTextResult result = WallpaperFromText(file.text, name, cap, tile);
    FreeFileText(&file);
    ShowArrowCursor();
    if (result == kWallpaperNameTooLong) {
        // A cut name would name another file: report it as not found.
        char format[260], text[kMessageCap];
        LoadEditionString(IDS_WALLPAPER_MISSING_JA, IDS_WALLPAPER_MISSING_EN, format, sizeof format);
        FormatWithName(format, name, text, sizeof text);
        name[0] = '\0';
        ShowTitledMessage(owner, text, MB_OK | MB_ICONHAND);
        return 0;
    }
    return 1;
}
