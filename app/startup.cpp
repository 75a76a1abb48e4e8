#include "startup.h"

#include "../platform/mbtext.h"
#include "../platform/win32.h"
#include "edition.h"
#include "globals.h"

bool ProgramBaseName(char *base, size_t cap) {
    char path[MAX_PATH + 1];
    if (cap) base[0] = '\0';
    return GetModulePath(path, sizeof path) && ModuleBaseName(path, base, cap);
}

int DetectEdition(HINSTANCE instance) {
    (void)instance;
    // The whole module path: only its base name is kept.
    char base[MAX_PATH];
    if (!ProgramBaseName(base, sizeof base)) return 0;
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

int RegisterColAssociation(const char *baseName) {
    // Built from the whole base name: the class name's cut would name a
    // program that does not exist. A value longer than what the stored one
    // is read back into could never be recognised as ours: the association
    // is then left as it is.
    char built[kModulePathLimit];
    if (!BuildAssociationValue(baseName, built, sizeof built)) return 0;
    char stored[kModulePathLimit];
    if (ReadProfileText("extensions", "col", "", stored, sizeof stored) == 0) stored[0] = '\0';
    if (AssociationIsOurs(stored, built)) return 0;
    WriteProfileText("extensions", "col", built);
    return 1;
}

bool InitWorkDir() {
    // At most 127 bytes of directory, then its backslash. A directory that
    // does not fit leaves WorkDir as it was.
    char dir[kWorkDirCap];
    bool taken = GetCurrentDir(dir, kWorkDirCap - 1) &&
                 (EndsWithChar(dir, '\\') || AppendText(dir, sizeof dir, "\\")) &&
                 CopyText(g_app.WorkDir, sizeof g_app.WorkDir, dir);
    if (!EndsWithChar(g_app.WorkDir, '\\')) AppendText(g_app.WorkDir, sizeof g_app.WorkDir, "\\");
    return taken;
}
