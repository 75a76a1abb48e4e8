#include "cmdline.h"

#include "../colors/apply.h"
#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../resources/msgbox.h"

void CommandLineApply(const char *argumentText) {
    char path[kPathCap];
    if (!CopyText(path, sizeof path, argumentText)) {
        // A cut path would open another file: refuse it as unreadable.
        char shown[kPathCap];
        CopyTextCut(shown, sizeof shown, argumentText);
        ShowMessage(nullptr, kMsgOpenFailed, shown, MB_OK | MB_ICONHAND);
        return;
    }
    ApplyColorSetFile(nullptr, path, kFromCommandLine);
}
