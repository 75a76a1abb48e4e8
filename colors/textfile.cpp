#include "textfile.h"

#include "../messages/msgbox.h"
#include "../platform/files.h"
#include "../platform/win32.h"

bool WriteComposedText(const char *path, ComposeResult composed, const std::string &text) {
    bool written;
    {
        WaitCursor wait;
        written = composed == kComposed && WriteFileReplacing(path, text.data(), text.size());
    }
    if (!written) ShowMessage(nullptr, kMsgSaveFailed, path);
    return written;
}
