#include "setfile.h"

#include "../core/capacity.h"
#include "../core/colfile_text.h"
#include "../core/mbtext.h"
#include "../core/setfile_text.h"
#include "../messages/msgbox.h"
#include "../platform/textcode.h"
#include "../platform/win32.h"
#include "../state/appstate.h"
#include "colfile.h"
#include "syscolors.h"
#include "theme.h"
#include "wallpaper.h"

// A .col file is read as it is; any other may be a theme in UTF-8 or
// UTF-16. False when there is no memory for the converted text.
static bool InSystemCodePage(FileText *file) {
    return DetectColorSetForm(file->text) != kFormNeither || ConvertToCodePage(file);
}

bool LoadTextQuietly(const char *path, FileText *file) {
    return LoadWholeFile(path, file) == kFileRead && InSystemCodePage(file);
}

bool LoadThemeText(const char *path, FileText *file) {
    return LoadTextQuietly(path, file) && SetFileFormOf(file->text) == kSetFileTheme;
}

bool LoadSetFileText(const char *path, FileText *file, MessageId openFailure) {
    switch (LoadWholeFile(path, file)) {
    case kFileRead:
        if (InSystemCodePage(file)) return true;
        break;
    case kFileNoMemory:
        break;
    case kFileCantOpen:
        ShowMessage(nullptr, openFailure, path);
        return false;
    }
    ShowMessage(nullptr, kMsgOutOfMemory, nullptr);
    return false;
}

bool SetFileTitle(const char *text, const char *path, char *title, size_t cap) {
    if (cap) title[0] = '\0';
    if (SetFileFormOf(text) != kSetFileTheme) return TitleFromText(text, g_app.edition, title, cap);
    ThemeTitle(text, path, title, cap);
    return true;
}

bool SetFileColors(const char *text, const char *path, const WholeColorSet &base, WholeColorSet *set) {
    int badLines = 0;
    switch (SetFileColorsFromText(text, base, set, &badLines)) {
    case kSetColorsNotColorSet:
        ShowMessage(nullptr, kMsgNotColorSet, nullptr);
        return false;
    case kSetColorsNoList:
        ShowMessage(nullptr, kMsgNoColorsSection, nullptr);
        return false;
    case kSetColorsNoneNamed:
        ShowMessage(nullptr, kMsgThemeWithoutColors, path);
        return false;
    case kSetColorsRead:
        break;
    }
    for (int i = 0; i < badLines; i++) ShowMessage(nullptr, kMsgBadLine, nullptr);
    return true;
}

SetFileWallpaperResult SetFileWallpaper(const char *text, char *name, size_t cap, int32_t *tile) {
    *tile = 0;
    if (cap) name[0] = '\0';
    if (SetFileFormOf(text) == kSetFileTheme) {
        switch (ThemeWallpaper(text, name, cap, tile)) {
        case kThemeWallpaperFound:
            return kWallpaperNamed;
        case kThemeWallpaperOffMachine:
            return kWallpaperOffMachine;
        case kThemeWallpaperNone:
            return kNoWallpaper;
        }
    }
    if (WallpaperFromText(text, name, cap, tile) == kWallpaperNameTooLong) return kWallpaperTooLong;
    return name[0] ? kWallpaperNamed : kNoWallpaper;
}

// A theme carries one name: the English title, or in the Japanese editions
// the first title given.
static const char *ThemeName(const SetFileTitles &titles) {
    const char *given[] = {titles.primary, titles.sibling, titles.english};
    for (int i = RunningEdition().english ? 2 : 0; i < 3; i++)
        if (given[i] && given[i][0]) return given[i];
    return "";
}

bool WriteSetFile(const char *path, const WholeColorSet &colors, const SetFileTitles &titles, bool withWallpaper) {
    char wallpaper[kFullPathCap];
    int32_t tile = 0;
    if (SetFileFormForName(path) == kSetFileTheme) {
        bool paper = withWallpaper && ReadCurrentWallpaperPath(wallpaper, sizeof wallpaper, &tile);
        return WriteThemeFile(colors, path, ThemeName(titles), paper ? wallpaper : nullptr, tile);
    }
    bool paper = withWallpaper && ReadCurrentWallpaper(wallpaper, sizeof wallpaper, &tile);
    return WriteColorSetFile(ColorSetPart(colors), path, titles.primary, titles.sibling, titles.english,
                             paper ? wallpaper : nullptr, paper ? tile : 0);
}

bool ReadColorSetTitle(const char *path, char *title, size_t cap) {
    if (cap) title[0] = '\0';
    FileText file;
    return LoadSetFileText(path, &file, kMsgOpenFailed) && SetFileTitle(file.text, path, title, cap);
}

bool ReadColorSetColors(ColorSet *set, const char *path) {
    WaitCursor wait;
    FileText file;
    WholeColorSet whole;
    if (!LoadSetFileText(path, &file, kMsgInternalNotFound) ||
        !SetFileColors(file.text, path, WholeOf(DesktopColorSet()), &whole))
        return false;
    *set = ColorSetPart(whole);
    return true;
}

bool ListedFilePath(const char *name, char *path, size_t cap) {
    return GetProgramDir(path, kModulePathLimit) && AppendText(path, cap, name);
}

bool ListedFilePathOrTell(const char *name, char *path, size_t cap) {
    if (ListedFilePath(name, path, cap)) return true;
    char whole[kMessageCap];
    GetProgramDir(whole, sizeof whole);
    AppendText(whole, sizeof whole, name);
    ShowMessage(nullptr, kMsgInternalNotFound, whole);
    if (cap) path[0] = '\0';
    return false;
}
