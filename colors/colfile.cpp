#include "colfile.h"

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/theme_text.h"
#include "../messages/msgbox.h"
#include "../platform/textcode.h"
#include "../platform/win32.h"
#include "../state/appstate.h"
#include "syscolors.h"
#include "theme.h"

bool WriteComposedText(const char *path, ComposeResult composed, const std::string &text) {
    bool written;
    {
        WaitCursor wait;
        written = composed == kComposed && WriteFileReplacing(path, text.data(), text.size());
    }
    if (!written) ShowMessage(nullptr, kMsgSaveFailed, path, MB_OK | MB_ICONHAND);
    return written;
}

bool WriteColorSetFile(const ColorSet &colors, const char *path, const char *primary, const char *sibling,
                       const char *english, const char *wallpaper, int32_t tile) {
    std::string text;
    ComposeResult composed = ComposeColorSetFile(colors, primary, sibling, english, wallpaper, tile, &text);
    return WriteComposedText(path, composed, text);
}

// A color-set file is read as it is; any other may be a theme in UTF-8 or
// UTF-16. False when there is no memory for the converted text.
static bool InSystemCodePage(FileText *file) {
    return DetectColorSetForm(file->text) != kFormNeither || ConvertToCodePage(file);
}

bool LoadTextQuietly(const char *path, FileText *file) {
    return LoadWholeFile(path, file) == kFileRead && InSystemCodePage(file);
}

bool LoadThemeText(const char *path, FileText *file) { return LoadTextQuietly(path, file) && IsThemeText(file->text); }

bool LoadColorSetText(const char *path, FileText *file, MessageId openFailure) {
    switch (LoadWholeFile(path, file)) {
    case kFileRead:
        if (InSystemCodePage(file)) return true;
        break;
    case kFileNoMemory:
        break;
    case kFileCantOpen:
        ShowMessage(nullptr, openFailure, path, MB_OK | MB_ICONHAND);
        return false;
    }
    ShowMessage(nullptr, kMsgOutOfMemory, nullptr, MB_OK | MB_ICONHAND);
    return false;
}

bool ColorsOfColorSetText(const char *text, const char *path, const ColorSet &base, ColorSet *set) {
    if (IsThemeText(text)) return ThemeColors(text, path, base, set);
    int badLines = 0;
    switch (ColorsFromText(text, base, set, &badLines)) {
    case kColorsNotColorSet:
        ShowMessage(nullptr, kMsgNotColorSet, nullptr, MB_OK | MB_ICONHAND);
        return false;
    case kColorsNoList:
        ShowMessage(nullptr, kMsgNoColorsSection, nullptr, MB_OK | MB_ICONHAND);
        return false;
    case kColorsRead:
        break;
    }
    for (int i = 0; i < badLines; i++) ShowMessage(nullptr, kMsgBadLine, nullptr, MB_OK);
    return true;
}

bool ReadColorSetTitle(const char *path, char *title, size_t cap) {
    if (cap) title[0] = '\0';
    FileText file;
    if (!LoadColorSetText(path, &file, kMsgOpenFailed)) return false;
    if (TitleFromText(file.text, g_app.edition, title, cap)) return true;
    if (!IsThemeText(file.text)) return false;
    ThemeTitle(file.text, path, title, cap);
    return true;
}

bool ReadColorSetColors(ColorSet *set, const char *path) {
    WaitCursor wait;
    FileText file;
    if (!LoadColorSetText(path, &file, kMsgInternalNotFound)) return false;
    return ColorsOfColorSetText(file.text, path, DesktopColorSet(), set);
}

bool ListedFilePathOrTell(const char *name, char *path, size_t cap) {
    if (GetProgramDir(path, kModulePathLimit) && AppendText(path, cap, name)) return true;
    char whole[kMessageCap];
    GetProgramDir(whole, sizeof whole);
    AppendText(whole, sizeof whole, name);
    ShowMessage(nullptr, kMsgInternalNotFound, whole, MB_OK | MB_ICONHAND);
    if (cap) path[0] = '\0';
    return false;
}
