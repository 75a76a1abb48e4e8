#include "cmdline.h"

#include "../colors/apply.h"
#include "../resources/msgbox.h"

void CommandLineApply(const char *argumentText, ArgumentRead read) {
    if (read != kArgumentRead) {
        ShowMessage(nullptr, kMsgOpenFailed, argumentText, MB_OK | MB_ICONHAND);
        return;
    }
    ApplyColorSetFile(nullptr, argumentText, kFromCommandLine);
}
