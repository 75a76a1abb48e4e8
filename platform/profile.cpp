#include "profile.h"

#include <string>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/profile_text.h"
#include "files.h"

namespace {

// One mutex for every copy of the program in the session. A copy that ended
// while holding it leaves it abandoned, which hands it on at once. A copy
// that holds it never waits on the user meanwhile, so a healthy holder lets
// go within moments; one that does not is not waited for any longer.
const char kProfileMutexName[] = "Lumivane.ProfileLock";
const DWORD kProfileLockWaitMs = 3000;

// The registry key under which the platform names the sections of a profile
// file that it keeps in the registry instead of the file.
const char kIniFileMappingKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\IniFileMapping";

// How often, and after what pauses, a profile file held open for a moment is
// tried again: half a second in all.
const DWORD kReplaceAttempts = 5, kReplaceRetryMs = 50;

struct LockState {
    HANDLE mutex;
    int holds;         // how deep this thread holds the lock
    int commandDepth;  // nested ProfileCommand scopes
    bool refused;      // the lock did not come within the command
    bool told;         // the command has told the user so
};

LockState g_lock = {.mutex = nullptr, .holds = 0, .commandDepth = 0, .refused = false, .told = false};

bool HasRegistryValue(HKEY key, const char *name) {
    return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// True when the platform keeps the key in the registry, as it decides it: a
// subkey of the file's mapping named after the section maps the keys it
// names, or all of them with its default value; else a value named after the
// section, or the default value of the file's mapping, maps the whole section.
bool KeyIsMapped(const char *file, const char *section, const char *key) {
    HKEY mappings, fileKey, sectionKey;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kIniFileMappingKey, 0, KEY_READ | KEY_WOW64_64KEY, &mappings) != 0)
        return false;
    LONG opened = RegOpenKeyExA(mappings, FileNamePart(file), 0, KEY_READ, &fileKey);
    RegCloseKey(mappings);
    if (opened != ERROR_SUCCESS) return false;
    bool mapped;
    if (RegOpenKeyExA(fileKey, section, 0, KEY_READ, &sectionKey) == ERROR_SUCCESS) {
        mapped = HasRegistryValue(sectionKey, key) || HasRegistryValue(sectionKey, nullptr);
        RegCloseKey(sectionKey);
    } else {
        mapped = HasRegistryValue(fileKey, section) || HasRegistryValue(fileKey, nullptr);
    }
    RegCloseKey(fileKey);
    return mapped;
}

bool ProfilePath(const char *file, char *path, size_t cap) {
    char dir[kFullPathCap];
    UINT n = GetWindowsDirectoryA(dir, sizeof dir);
    return n > 0 && n < sizeof dir && CopyText(path, cap, dir) &&
           (EndsWithChar(path, '\\') || AppendText(path, cap, "\\")) && AppendText(path, cap, file);
}

enum FileWrite {
    kFileWritten,
    kFileWriteFailed,
    kFileNotReplaced,  // the new text was made but could not take the file's place
    kFileForThePlatform,
};

// The key set in the file's text, and the whole new text put in the file's
// place in one rename: a kill at any moment leaves the old file or the new
// one, never a part of either. What the platform holds of the file goes to
// the disk before it is read, and is read again after.
FileWrite RewriteProfileFileOnce(const char *file, const char *path, const char *section, const char *key,
                                 const char *value) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
    FileText old;
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND) return kFileWriteFailed;  // a new file is made whole
    } else if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) ||
               LoadWholeFile(path, &old) != kFileRead) {
        return kFileWriteFailed;
    }
    std::string edited;
    switch (SetProfileKey(std::string(old.text ? old.text : "", old.size), section, key, value, &edited)) {
    case kProfileUnchanged:
        return kFileWritten;
    case kProfileUnwritable:
        return kFileWriteFailed;
    case kProfileNotCodePage:
        return kFileForThePlatform;
    case kProfileEdited:
        break;
    }
    bool written = WriteFileReplacing(path, edited.data(), edited.size());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
    return written ? kFileWritten : kFileNotReplaced;
}

// A file that another program has open for a moment (any program reading a
// profile does) cannot be replaced: the write is tried a few times, from
// the file's text as it is then.
FileWrite RewriteProfileFile(const char *file, const char *section, const char *key, const char *value) {
    char path[kFullPathCap];
    if (!ProfilePath(file, path, sizeof path)) return kFileWriteFailed;
    FileWrite written = kFileNotReplaced;
    for (DWORD attempt = 0; attempt < kReplaceAttempts && written == kFileNotReplaced; attempt++) {
        if (attempt) Sleep(kReplaceRetryMs * attempt);
        written = RewriteProfileFileOnce(file, path, section, key, value);
    }
    return written == kFileNotReplaced ? kFileWriteFailed : written;
}

// One key of a profile file (a bare name: the Windows directory's), under the
// lock. What the platform keeps in the registry it writes there; a file in
// Unicode it writes itself; the rest the program writes whole.
ProfileWrite WriteProfileKey(const char *file, const char *section, const char *key, const char *value) {
    ProfileLock lock;
    if (!lock.Held()) return kProfileBusy;
    if (!KeyIsMapped(file, section, key)) {
        FileWrite written = RewriteProfileFile(file, section, key, value);
        if (written != kFileForThePlatform) return written == kFileWritten ? kProfileWritten : kProfileWriteFailed;
    }
    return WritePrivateProfileStringA(section, key, value, file) ? kProfileWritten : kProfileWriteFailed;
}

bool LockProfiles() {
    if (g_lock.holds > 0) {
        g_lock.holds++;
        return true;
    }
    if (g_lock.commandDepth > 0 && g_lock.refused) return false;
    if (!g_lock.mutex) g_lock.mutex = CreateMutexA(nullptr, FALSE, kProfileMutexName);
    DWORD waited = g_lock.mutex ? WaitForSingleObject(g_lock.mutex, kProfileLockWaitMs) : WAIT_FAILED;
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        if (g_lock.commandDepth > 0) g_lock.refused = true;
        return false;
    }
    g_lock.holds = 1;
    return true;
}

void UnlockProfiles() {
    if (g_lock.holds == 0 || --g_lock.holds > 0) return;
    ReleaseMutex(g_lock.mutex);
}

}  // namespace

ProfileCommand::ProfileCommand() {
    if (g_lock.commandDepth++ == 0) g_lock.refused = false, g_lock.told = false;
}

ProfileCommand::~ProfileCommand() { g_lock.commandDepth--; }

ProfileLock::ProfileLock() : held_(LockProfiles()) {}

ProfileLock::~ProfileLock() {
    if (held_) UnlockProfiles();
}

bool FirstBusyNoticeOfCommand() {
    if (g_lock.commandDepth == 0) return true;
    if (g_lock.told) return false;
    g_lock.told = true;
    return true;
}

DWORD ReadProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap) {
    ProfileLock lock;
    return GetProfileStringA(section, key, fallback, out, cap);
}

int ReadProfileInt(const char *section, const char *key, int fallback) {
    ProfileLock lock;
    return (int)GetProfileIntA(section, key, fallback);
}

ProfileWrite WriteProfileText(const char *section, const char *key, const char *value) {
    return WriteProfileKey("win.ini", section, key, value);
}

DWORD ReadPrivateProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap,
                             const char *file) {
    ProfileLock lock;
    return GetPrivateProfileStringA(section, key, fallback, out, cap, file);
}

ProfileWrite WritePrivateProfileText(const char *section, const char *key, const char *value, const char *file) {
    return WriteProfileKey(file, section, key, value);
}

ProfileWrite WriteDesktopWallpaper(const char *fullPath) {
    ProfileLock lock;
    if (!lock.Held()) return kProfileBusy;
    return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, (void *)fullPath, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE)
               ? kProfileWritten
               : kProfileWriteFailed;
}
