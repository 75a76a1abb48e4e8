// Started with a file name: apply that file and end, without a window.
#include "../colors/colfile.h"
#include "../colors/syscolors.h"
#include "../colors/wallpaper.h"
#include "../platform/mbtext.h"
#include "../resources/messages.h"
#include "../resources/strings.h"
#include "globals.h"
#include "startup.h"

void CommandLineApply(const char *argumentText) {
    char path[kPathCap];
    if (!CopyText(path, sizeof path, argumentText)) {
        // A cut path would open another file: refuse it as unreadable.
        char shown[kPathCap];
        CopyTextCut(shown, sizeof shown, argumentText);
        ShowNamedMessage(nullptr, kMsgOpenFailed, shown, MB_OK | MB_ICONHAND);
        return;
    }
    char title[kPathCap];
    if (!ReadColorSetTitle(path, title, sizeof title)) return;
    ColorSet colors;
    if (!ReadColorSetColors(&colors, path)) return;
    ApplyColors(colors);
    ApplyFileWallpaper(nullptr, path);
}
