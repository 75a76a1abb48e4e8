// The program's entry point: edition, association, then one of two roads.
#include <windows.h>

#include "../platform/profile.h"
#include "../platform/win32.h"
#include "cmdline.h"
#include "startup.h"
#include "winstart.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR, int showCommand) {
    UsePlatformCharStepping();
    SweepStrayTempFiles();
    std::string argument;
    bool exact = ReadArgumentText(&argument);
    bool associationWasNew;
    {
        // The start-up, and the command-line apply, wait for the settings once.
        ProfileCommand profiles;
        // A module path without '.' leaves the edition and its names as they
        // start.
        char baseName[MAX_PATH];
        if (GetProgramBaseName(baseName, sizeof baseName)) DetectEdition(baseName);
        associationWasNew = RegisterColAssociation(baseName);
        if (!argument.empty() || !exact) {
            CommandLineApply(argument, exact);
            return 0;
        }
    }
    WindowedStartup(instance, prevInstance, showCommand, associationWasNew);
    return 0;
}
