// The program's entry point: edition, association, then one of two roads.
#include <windows.h>

#include "../core/argtext.h"
#include "../platform/win32.h"
#include "cmdline.h"
#include "startup.h"
#include "winstart.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR, int showCommand) {
    UsePlatformCharStepping();
    // A module path without '.' leaves the edition and its names as they
    // start.
    char baseName[MAX_PATH];
    if (GetProgramBaseName(baseName, sizeof baseName)) DetectEdition(baseName);
    int associationWasNew = RegisterColAssociation(baseName);
    const char *argumentText = ArgumentText(GetCommandLineA());
    if (argumentText[0] != '\0') {
        CommandLineApply(argumentText);
        return 0;
    }
    WindowedStartup(instance, prevInstance, showCommand, associationWasNew);
    return 0;
}
