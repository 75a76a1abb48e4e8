#include "profile.h"

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "files.h"

namespace {

// One mutex for every copy of the program in the session. A copy that ended
// while holding it leaves it abandoned, which hands it on at once. A copy
// that holds it never waits on the user meanwhile, so a healthy holder lets
// go within moments; one that does not is not waited for any longer.
const char kProfileMutexName[] = "Lumivane.ProfileLock";
const DWORD kProfileLockWaitMs = 3000;

// The files the program writes, and the whole copy kept of each while a
// write is under way.
const char *const kProfileFiles[] = {"win.ini", "control.ini"};
const char kBackupSuffix[] = ".lv-backup";
enum { kProfileFileCount = 2 };

struct LockState {
    HANDLE mutex;
    int holds;         // how deep this thread holds the lock
    int commandDepth;  // nested ProfileCommand scopes
    bool refused;      // the lock did not come within the command
    bool told;         // the command has told the user so
    bool backedUp[kProfileFileCount];
};

LockState g_lock = {
    .mutex = nullptr, .holds = 0, .commandDepth = 0, .refused = false, .told = false, .backedUp = {false, false}};

bool ProfilePaths(int file, char *path, char *backup, size_t cap) {
    char dir[kFullPathCap];
    UINT n = GetWindowsDirectoryA(dir, sizeof dir);
    return n > 0 && n < sizeof dir && CopyText(path, cap, dir) &&
           (EndsWithChar(path, '\\') || AppendText(path, cap, "\\")) && AppendText(path, cap, kProfileFiles[file]) &&
           CopyText(backup, cap, path) && AppendText(backup, cap, kBackupSuffix);
}

int ProfileFileIndex(const char *name) {
    for (int i = 0; i < kProfileFileCount; i++)
        if (lstrcmpiA(name, kProfileFiles[i]) == 0) return i;
    return -1;
}

bool IsMissingOrEmpty(const char *path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return true;
    return data.nFileSizeLow == 0 && data.nFileSizeHigh == 0;
}

// A copy left beside a profile file means that its holder ended while it
// could write: killed (the lock is found abandoned), or by a power cut. The
// copy goes back then, the file's old content; after a power cut only when
// the file is empty or missing, as the platform leaves it when cut short
// (a copy the holder could not drop is otherwise older than the file).
void RecoverProfileFiles(bool abandoned) {
    for (int i = 0; i < kProfileFileCount; i++) {
        char path[kFullPathCap], backup[kFullPathCap];
        if (!ProfilePaths(i, path, backup, sizeof path) || GetFileAttributesA(backup) == INVALID_FILE_ATTRIBUTES)
            continue;
        if (abandoned || IsMissingOrEmpty(path)) MoveFileExA(backup, path, MOVEFILE_REPLACE_EXISTING);
        else DeleteFileA(backup);
    }
}

// A whole copy of the file, made through a temporary file and one rename, so
// that the copy itself is never half written.
void BackUpBeforeWriting(const char *name) {
    int i = ProfileFileIndex(name);
    if (i < 0 || g_lock.backedUp[i]) return;
    char path[kFullPathCap], backup[kFullPathCap], temp[kFullPathCap];
    if (!ProfilePaths(i, path, backup, sizeof path)) return;
    g_lock.backedUp[i] = true;
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return;  // a new file has nothing to lose
    if (CopyFileReplacing(path, backup, temp, sizeof temp) != kImportDone) DeleteFileA(backup);
}

void DropBackups() {
    for (int i = 0; i < kProfileFileCount; i++) {
        char path[kFullPathCap], backup[kFullPathCap];
        if (g_lock.backedUp[i] && ProfilePaths(i, path, backup, sizeof path)) DeleteFileA(backup);
        g_lock.backedUp[i] = false;
    }
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
    RecoverProfileFiles(waited == WAIT_ABANDONED);
    return true;
}

void UnlockProfiles() {
    if (g_lock.holds == 0 || --g_lock.holds > 0) return;
    DropBackups();
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
    ProfileLock lock;
    if (!lock.Held()) return kProfileBusy;
    BackUpBeforeWriting("win.ini");
    return WriteProfileStringA(section, key, value) ? kProfileWritten : kProfileWriteFailed;
}

DWORD ReadPrivateProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap,
                             const char *file) {
    ProfileLock lock;
    return GetPrivateProfileStringA(section, key, fallback, out, cap, file);
}

ProfileWrite WritePrivateProfileText(const char *section, const char *key, const char *value, const char *file) {
    ProfileLock lock;
    if (!lock.Held()) return kProfileBusy;
    BackUpBeforeWriting(file);
    return WritePrivateProfileStringA(section, key, value, file) ? kProfileWritten : kProfileWriteFailed;
}

ProfileWrite WriteDesktopWallpaper(const char *fullPath) {
    ProfileLock lock;
    if (!lock.Held()) return kProfileBusy;
    BackUpBeforeWriting("win.ini");
    return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, (void *)fullPath, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE)
               ? kProfileWritten
               : kProfileWriteFailed;
}
