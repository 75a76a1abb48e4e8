#include "cmdline.h"

#include "../colors/apply.h"
#include "../core/argtext.h"
#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../messages/msgbox.h"

void CommandLineApply(const std::string &argumentText, bool exact) {
    std::string name = argumentText;
    if (IsOneQuotedName(name.c_str())) name = name.substr(1, name.size() - 2);
    char path[kPathCap];
    if (!exact || !CopyText(path, sizeof path, name.c_str())) {
        CopyTextCut(path, sizeof path, name.c_str());
        ShowMessage(nullptr, kMsgOpenFailed, path);
        return;
    }
    ApplyColorSetFile(nullptr, path, kFromCommandLine);
}
