// The profile files win.ini and control.ini.
//
// Every read and write holds the profile lock, a mutex that all running
// copies of the program share: a write reads the whole file and writes it
// whole, and two copies writing at once would lose each other's keys.
// A command waits a few seconds at most for the lock; when it does not come,
// the command writes nothing (its reads go ahead unlocked: a read loses
// nothing).
//
// The platform rewrites a profile file by emptying it and writing it again,
// so that a kill in between would leave it empty or cut short. The program
// writes what lies in the file itself: the whole new text into a temporary
// file beside it, put in its place in one rename, so that a kill at any
// moment leaves every line of the old file or of the new one, and nothing
// is ever to be put back at the next start. What the platform keeps in the
// registry (win.ini's [desktop], [extensions] and, where the system maps it,
// [colors]) the platform writes, and a file in Unicode too.
#pragma once
#include <windows.h>

enum ProfileWrite {
    kProfileWritten,
    kProfileWriteFailed,  // the platform refused the write
    kProfileBusy,         // the lock did not come: nothing was written
};

// One command of the user's (a menu command, the start-up with its
// command-line apply): the wait for the lock is spent once. Once the lock
// has not come within the command, every later attempt in it fails at once.
// Scopes nest; the outermost one is the command.
struct ProfileCommand {
    ProfileCommand();
    ~ProfileCommand();
    ProfileCommand(const ProfileCommand &) = delete;
    ProfileCommand &operator=(const ProfileCommand &) = delete;
};

// Holds the profile lock for a sequence of reads and writes that belong
// together; it may be taken again inside. Held() is false when the lock did
// not come: write nothing then.
class ProfileLock {
public:
    ProfileLock();
    ~ProfileLock();
    ProfileLock(const ProfileLock &) = delete;
    ProfileLock &operator=(const ProfileLock &) = delete;
    bool Held() const { return held_; }

private:
    bool held_;
};

// True the first time a command asks, and outside any command: a command
// tells the user once that the settings were busy, however many of its
// writes were refused.
bool FirstBusyNoticeOfCommand();

DWORD ReadProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap);
int ReadProfileInt(const char *section, const char *key, int fallback);
ProfileWrite WriteProfileText(const char *section, const char *key, const char *value);
DWORD ReadPrivateProfileText(const char *section, const char *key, const char *fallback, char *out, DWORD cap,
                             const char *file);
ProfileWrite WritePrivateProfileText(const char *section, const char *key, const char *value, const char *file);
// The desktop's wallpaper set to a bitmap's full path and recorded in win.ini
// by the platform. kProfileWriteFailed when the platform refused the picture.
ProfileWrite WriteDesktopWallpaper(const char *fullPath);
