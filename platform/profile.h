// The profile files win.ini and control.ini. Every read and write holds the
// profile lock, a mutex that all running copies of the program share: the
// platform rewrites a whole profile file for each write, and two copies
// writing at once would lose each other's keys.
#pragma once
#include <windows.h>

void LockProfiles();
void UnlockProfiles();
// Holds the profile lock for a sequence of reads and writes that belong
// together (the lock may be taken again inside it).
struct ProfileLock {
    ProfileLock() { LockProfiles(); }
    ~ProfileLock() { UnlockProfiles(); }
    ProfileLock(const ProfileLock &) = delete;
    ProfileLock &operator=(const ProfileLock &) = delete;
};

DWORD ReadProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap);
int ReadProfileInt(const char *section, const char *key, int fallback);
bool WriteProfileText(const char *section, const char *key, const char *value);
DWORD ReadPrivateProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap,
                             const char *file);
bool WritePrivateProfileText(const char *section, const char *key, const char *value, const char *file);
