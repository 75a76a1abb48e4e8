#include "colfile.h"

#include <string>

#include "../core/capacity.h"
#include "../core/colfile_text.h"
#include "../core/mbtext.h"
#include "../core/theme_text.h"
#include "../platform/textcode.h"
#include "../platform/win32.h"
#include "../messages/msgbox.h"
#include "../state/appstate.h"
#include "syscolors.h"
#include "theme.h"

int WriteColorSetFile(const ColorSet &colors, const char *path, const char *primary, const char *sibling,
                      const char *english, const char *wallpaper, int32_t tile) {
    ShowWaitCursor();
    std::string text;
    bool ok = ComposeColorSetFile(colors, primary, sibling, english, wallpaper, tile, &text) == kComposed &&
              WriteFileReplacing(path, text.data(), text.size());
    ShowArrowCursor();
    if (!ok) {
        ShowMessage(nullptr, kMsgSaveFailed, path, MB_OK | MB_ICONHAND);
        return 0;
    }
    return 1;
}

// A color-set file is read as it is; any other may be a theme in UTF-8 or
// UTF-16. False when there is no memory for the converted text.
static bool InSystemCodePage(FileText *file) {
    return DetectColorSetForm(file->text) != kFormNeither || ConvertToCodePage(file);
}

bool LoadThemeText(const char *path, FileText *file) {
    if (LoadWholeFile(path, file) != kFileRead) return false;
    if (InSystemCodePage(file) && IsThemeText(file->text)) return true;
    FreeFileText(file);
    return false;
}

bool LoadColorSetText(const char *path, FileText *file, MessageId openFailure) {
    switch (LoadWholeFile(path, file)) {
    case kFileRead:
        if (InSystemCodePage(file)) return true;
        FreeFileText(file);
        ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
        return false;
    case kFileNoMemory:
        ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
        return false;
    case kFileCantOpen:
        break;
    }
    ShowMessage(nullptr, openFailure, path, MB_OK | MB_ICONHAND);
    return false;
}

int ColorsOfColorSetText(const char *text, const char *path, ColorSet *set) {
    if (IsThemeText(text)) return ThemeColors(text, path, set);
    ColorSet current;
    CaptureColors(&current);
    int badLines = 0;
    switch (ColorsFromText(text, current, set, &badLines)) {
    case kColorsNotColorSet:
        ShowMessage(nullptr, kMsgNotColorSet, nullptr, MB_OK | MB_ICONHAND);
        return 0;
    case kColorsNoList:
        ShowMessage(nullptr, kMsgNoColorsSection, nullptr, MB_OK | MB_ICONHAND);
        return 0;
    case kColorsRead:
        break;
    }
    for (int i = 0; i < badLines; i++) ShowMessage(nullptr, kMsgBadLine, nullptr, MB_OK);
    return 1;
}

int ReadColorSetTitle(const char *path, char *title, size_t cap) {
    if (cap) title[0] = '\0';
    FileText file;
    if (!LoadColorSetText(path, &file, kMsgOpenFailed)) return 0;
    int result = TitleFromText(file.text, g_app.edition, title, cap);
    if (!result && IsThemeText(file.text)) {
        ThemeTitle(file.text, path, title, cap);
        result = 1;
    }
    FreeFileText(&file);
    return result;
}

int ReadColorSetColors(ColorSet *set, const char *path) {
    ShowWaitCursor();
    FileText file;
    int result = LoadColorSetText(path, &file, kMsgInternalNotFound) && ColorsOfColorSetText(file.text, path, set);
    FreeFileText(&file);
    ShowArrowCursor();
    return result;
}

bool ColorSetFilePath(const char *name, char *path, size_t cap) {
    if (GetProgramDir(path, kModulePathLimit) && AppendText(path, cap, name)) return true;
    char whole[kMessageCap];
    GetProgramDir(whole, sizeof whole);
    AppendText(whole, sizeof whole, name);
    ShowMessage(nullptr, kMsgInternalNotFound, whole, MB_OK | MB_ICONHAND);
    if (cap) path[0] = '\0';
    return false;
}
