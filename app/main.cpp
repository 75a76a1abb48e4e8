// The program's entry point: edition, association, then one of two roads.
#include <windows.h>

#include "../platform/win32.h"
#include "argtext.h"
#include "startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR, int showCommand) {
    UsePlatformCharStepping();
    DetectEdition(instance);
    char baseName[MAX_PATH];
    ProgramBaseName(baseName, sizeof baseName);
    int associationWasNew = RegisterColAssociation(baseName);
    const char *argumentText = ArgumentText(GetCommandLineA());
    if (argumentText[0] != '\0') {
        CommandLineApply(argumentText);
        return 0;
    }
    WindowedStartup(instance, prevInstance, showCommand, associationWasNew);
    return 0;
}
