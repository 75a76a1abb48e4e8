#include "startup.h"

#include <windows.h>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../messages/msgbox.h"
#include "../platform/profile.h"
#include "../platform/tempfiles.h"
#include "../platform/win32.h"
#include "../state/appstate.h"

static unsigned GetSystemFontCharset() {
    LOGFONTA font;
    if (GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font) == 0) return 0;
    return (unsigned)(unsigned char)font.lfCharSet;
}

void DetectEdition(const char *baseName) {
    // The class name keeps what fits; the edition sees the whole name.
    CopyTextCut(g_app.BaseName, sizeof g_app.BaseName, baseName);
    g_app.edition = ChooseEdition(GetSystemFontCharset(), baseName);
    if (LoadStringA(ResourceModule(), RunningEdition().titleStringId, g_app.TitleString,
                    sizeof g_app.TitleString) <= 0)
        g_app.TitleString[0] = '\0';
}

bool RegisterColAssociation(const char *baseName) {
    // Built from the whole base name: the class name's cut would name a
    // program that does not exist. A value longer than what the stored one
    // is read back into could never be recognised as ours: the association
    // is then left as it is.
    char built[kModulePathLimit];
    if (!BuildAssociationValue(baseName, built, sizeof built)) return false;
    char stored[kModulePathLimit];
    if (ReadProfileText("extensions", "col", "", stored, sizeof stored) == 0) stored[0] = '\0';
    if (AssociationIsOurs(stored, built)) return false;
    // Not written while another program holds the settings: no first-run
    // question then, and the next start tries again.
    ProfileWrite written = WriteProfileText("extensions", "col", built);
    if (written == kProfileBusy) TellProfileWrite(nullptr, written, "win.ini");
    return written != kProfileBusy;
}

void SweepStrayTempFiles() {
    char dir[kFullPathCap];
    UINT n = GetWindowsDirectoryA(dir, sizeof dir);
    if (n > 0 && n < sizeof dir) SweepDeadTempFiles(dir);
    if (GetProgramDir(dir, sizeof dir)) SweepDeadTempFiles(dir);
}
