#include "schemes.h"

#include <string.h>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/scheme_codec.h"
#include "../messages/msgbox.h"
#include "../platform/profile.h"
#include "../platform/win32.h"
#include "../state/appstate.h"
#include "syscolors.h"

static const char kSchemeSection[] = "COLOR SCHEMES";
static const char kControlIni[] = "control.ini";
static const char kSystemPrefix[] = "[SYSTEM]\t";

// A movable block of the preferred size, or of half as much, and so on down
// to the minimum; null when not even that can be had.
static HLOCAL AllocProfileBuffer(WORD preferred, WORD minimum) {
    for (WORD size = preferred; size > minimum; size = (WORD)(size >> 1)) {
        HLOCAL block = LocalAlloc(LMEM_MOVEABLE, size);
        if (block) return block;
    }
    return LocalAlloc(LMEM_MOVEABLE, minimum);
}

namespace {

// A value of the scheme store (or, without a key, the names of every
// scheme) read whole into a block of AllocProfileBuffer's, locked while it
// lives. Empty, after the out-of-memory message, when there is no block or
// the value does not fit it.
class SchemeStoreText {
public:
    explicit SchemeStoreText(const char *key) : block_(AllocProfileBuffer(32767, 256)) {
        DWORD size = block_ ? (DWORD)LocalSize(block_) : 0;
        text_ = block_ ? (char *)LocalLock(block_) : nullptr;
        if (text_ &&
            (size < 2 || ReadPrivateProfileText(kSchemeSection, key, "", text_, size, kControlIni) >= size - 2))
            text_ = nullptr;
        if (!text_) ShowMessage(nullptr, kMsgOutOfMemory, nullptr);
    }
    ~SchemeStoreText() {
        if (block_) LocalUnlock(block_), LocalFree(block_);
    }
    SchemeStoreText(const SchemeStoreText &) = delete;
    SchemeStoreText &operator=(const SchemeStoreText &) = delete;
    const char *Text() const { return text_; }  // null when it could not be read

private:
    HLOCAL block_;
    char *text_;
};

}  // namespace

void ListSchemes(HWND listBox) {
    SchemeStoreText names(nullptr);
    for (const char *name = names.Text(); name && *name; name += strlen(name) + 1) {
        char entry[kLineCap];
        if (!CopyText(entry, sizeof entry, kSystemPrefix) || !AppendText(entry, sizeof entry, name))
            continue;  // a name the list cannot hold whole is left out, never cut
        SendMessageA(listBox, LB_ADDSTRING, 0, (LPARAM)entry);
    }
}

bool ReadScheme(const ColorSet &base, ColorSet *set, const char *key) {
    WaitCursor wait;
    SchemeStoreText line(key);
    if (!line.Text()) return false;
    *set = base;
    DecodeSchemeLine(line.Text(), set);
    return true;
}

static bool SchemeIsInstalled(const char *key) {
    char present[kLineCap];
    return ReadPrivateProfileText(kSchemeSection, key, "", present, sizeof present, kControlIni) != 0;
}

InstallOutcome WriteScheme(const ColorSet &set, const char *key) {
    char line[kLineCap];
    EncodeSchemeLine(set, line, sizeof line);
    // The look for the key and the write go together under the profile
    // lock, except while the user is asked.
    ProfileWrite written = kProfileBusy;
    bool installed = false;
    {
        ProfileLock lock;
        if (lock.Held() && !(installed = SchemeIsInstalled(key)))
            written = WritePrivateProfileText(kSchemeSection, key, line, kControlIni);
    }
    if (installed) {
        int answer = ShowMessage(g_app.MainWindow, kMsgInstalledAlready, key);
        if (answer == IDCANCEL) return kInstallStopAll;
        if (answer != IDYES) return kInstallSkipped;
        written = WritePrivateProfileText(kSchemeSection, key, line, kControlIni);
    }
    if (written == kProfileWritten) return kInstalled;
    TellProfileWrite(g_app.MainWindow, written, kControlIni);
    // A write that failed skips this file, and Install all goes on; settings
    // locked by another program end it.
    return written == kProfileBusy ? kInstallStopAll : kInstallSkipped;
}
