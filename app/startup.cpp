#include "startup.h"

#include "../platform/mbtext.h"
#include "../platform/win32.h"
#include "edition.h"
#include "globals.h"

int DetectEdition(HINSTANCE instance) {
    (void)instance;
    // The whole module path: only its base name is kept.
    char path[MAX_PATH + 1];
    char base[MAX_PATH];
    if (!GetModulePath(path, sizeof path)) return 0;
    if (!ModuleBaseName(path, base, sizeof base)) return 0;
    // A longer name is cut for the class name; the edition test still sees
    // the whole name.
    CopyTextCut(g_app.BaseName, sizeof g_app.BaseName, base);
    g_app.edition = ChooseEdition(GetSystemFontCharset(), base);
    if (LoadStringA(ResourceModule(), EditionTitleId(g_app.edition), g_app.TitleString,
                    sizeof g_app.TitleString) <= 0)
        g_app.TitleString[0] = '\0';
    return 1;
}

unsigned GetSystemFontCharset() {
    LOGFONTA font;
    if (GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font) == 0) return 0;
    return (unsigned)(unsigned char)font.lfCharSet;
}

int RegisterColAssociation() {
    char built[kPathCap];
    if (!BuildAssociationValue(g_app.BaseName, built, sizeof built)) return 0;
    char stored[kModulePathLimit];
    if (ReadProfileText("extensions", "col", "", stored, sizeof stored) == 0) stored[0] = '\0';
    if (AssociationIsOurs(stored, built)) return 0;
    WriteProfileText("extensions", "col", built);
    return 1;
}

bool InitWorkDir() {
    // The directory is taken only when it fits with its backslash; one that
    // does not leaves WorkDir as it was.
    char dir[kWorkDirCap];
    bool taken = GetCurrentDir(dir, sizeof dir) && (EndsWithChar(dir, '\\') || AppendText(dir, sizeof dir, "\\")) &&
                 CopyText(g_app.WorkDir, sizeof g_app.WorkDir, dir);
    if (!EndsWithChar(g_app.WorkDir, '\\')) AppendText(g_app.WorkDir, sizeof g_app.WorkDir, "\\");
    return taken;
}
