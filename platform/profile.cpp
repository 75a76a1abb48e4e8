#include "profile.h"

// One mutex for every copy of the program in the session. A copy that
// ended while holding it leaves it abandoned, which hands it on all the
// same. A copy that holds it never waits on the user meanwhile, so the
// wait is short; after a long one the program goes on rather than hang.
static HANDLE g_profileMutex = nullptr;
static const DWORD kProfileLockWaitMs = 30000;

void LockProfiles() {
    if (!g_profileMutex) g_profileMutex = CreateMutexA(nullptr, FALSE, "Lumivane.ProfileLock");
    if (g_profileMutex) WaitForSingleObject(g_profileMutex, kProfileLockWaitMs);
}

void UnlockProfiles() {
    if (g_profileMutex) ReleaseMutex(g_profileMutex);
}

DWORD ReadProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap) {
    ProfileLock lock;
    return GetProfileStringA(section, key, fallback, out, cap);
}

int ReadProfileInt(const char *section, const char *key, int fallback) {
    ProfileLock lock;
    return (int)GetProfileIntA(section, key, fallback);
}

bool WriteProfileText(const char *section, const char *key, const char *value) {
    ProfileLock lock;
    return WriteProfileStringA(section, key, value) != 0;
}

DWORD ReadPrivateProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap,
                             const char *file) {
    ProfileLock lock;
    return GetPrivateProfileStringA(section, key, fallback, out, cap, file);
}

bool WritePrivateProfileText(const char *section, const char *key, const char *value, const char *file) {
    ProfileLock lock;
    return WritePrivateProfileStringA(section, key, value, file) != 0;
}
