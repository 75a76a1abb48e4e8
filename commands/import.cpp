#include "import.h"

#include <string.h>

#include "../colors/setfile.h"
#include "../colors/theme.h"
#include "../colors/wallpaper.h"
#include "../core/capacity.h"
#include "../core/colfile_text.h"
#include "../core/mbtext.h"
#include "../core/savename.h"
#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../platform/win32.h"
#include "../state/appstate.h"

bool ImportFile(const char *destination, const char *source, const std::string *text) {
    if (!FileExists(source)) {
        ShowMessage(nullptr, kMsgSourceMissing, source);
        return false;
    }
    if (FileExists(destination) &&
        ShowMessage(g_app.MainWindow, kMsgReplace, destination) != IDYES)
        return false;
    // The copy goes to a temporary file beside the destination and replaces
    // it in one rename: on any failure the destination is as it was and the
    // temporary file is gone.
    char tempName[kFullPathCap];
    ImportStep step;
    {
        WaitCursor wait;
        if (text) step = WriteFileReplacing(destination, text->data(), text->size()) ? kImportDone : kImportCopyFailed;
        else step = CopyFileReplacing(source, destination, tempName, sizeof tempName);
    }
    switch (step) {
    case kImportDone:
        return true;
    case kImportTargetReadOnly:
        ShowMessage(nullptr, kMsgSaveFailed, destination);
        return false;
    case kImportNoTemp:
    case kImportCopyFailed:
        ShowMessage(nullptr, kMsgCopyFailed, source);
        return false;
    case kImportRenameFailed:
        ShowMessage(nullptr, kMsgRenameFailed, tempName, destination);
        return false;
    }
    return false;
}

// A theme comes in as a theme beside the program, named after its file:
// its name, every color it names (the others are left to the desktop, as
// the source leaves them) and the whole path of its wallpaper when that
// file is there, so that applying it from the list gives the desktop the
// source gives from wherever it was. A theme already beside the program is
// that file. False when source is no theme (or cannot be read: the copy
// then tells).
static bool ImportTheme(const char *source, const char *programDir, char *destination, size_t cap) {
    FileText file;
    if (!LoadThemeText(source, &file)) return false;
    char base[kFullPathCap], title[kPathCap], wallpaper[kFullPathCap], from[kFullPathCap], to[kFullPathCap];
    int32_t tile = 0;
    WholeColorSet colors;
    if (!FileBaseName(source, base, sizeof base) || !CopyText(destination, cap, programDir) ||
        !AppendText(destination, cap, base) || !AppendText(destination, cap, ".theme")) {
        destination[0] = '\0';
        ShowMessage(nullptr, kMsgCopyFailed, source);
    } else if (GetFullPath(source, from, sizeof from) && GetFullPath(destination, to, sizeof to) &&
               lstrcmpiA(from, to) == 0) {
        return true;
    } else if (SetFileColors(file.text, source, WholeKept, &colors) &&
               (!FileExists(destination) ||
                ShowMessage(g_app.MainWindow, kMsgReplace, destination) == IDYES)) {
        ThemeTitle(file.text, source, title, sizeof title);
        bool paper = ThemeWallpaper(file.text, wallpaper, sizeof wallpaper, &tile) == kThemeWallpaperFound;
        WriteThemeFile(colors, destination, title, paper ? wallpaper : nullptr, tile);
    }
    return true;
}

// A color-set file comes in byte for byte, unless a wallpaper section names
// a wallpaper off the machine: then it comes in without those lines (in the
// system code page, as the program writes), titles, colors and every other
// line kept, so that the name travels no further.
static void ImportColorSet(const char *destination, const char *source) {
    FileText file;
    std::string kept;
    bool dropped = LoadTextQuietly(source, &file) && DropRefusedWallpapers(file.text, IsWallpaperOffMachine, &kept);
    ImportFile(destination, source, dropped ? &kept : nullptr);
}

void ImportIntoProgramDir(const char *source, char *destination, size_t cap) {
    char programDir[kPathCap];
    if (cap) destination[0] = '\0';
    if (!GetProgramDir(programDir, kModulePathLimit)) {
        ShowMessage(nullptr, kMsgCopyFailed, source);
    } else if (!ImportTheme(source, programDir, destination, cap)) {
        if (ImportDestination(programDir, source, destination, cap)) ImportColorSet(destination, source);
        else ShowMessage(nullptr, kMsgCopyFailed, source);
    }
}
