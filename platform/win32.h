// The thin layer over the Win32 calls the program makes: one place for the
// platform calls, and the seam through which tests answer message boxes.
#pragma once
#include <windows.h>
#include <stddef.h>

// Message boxes. A test installs a hook that sees every box and answers it.
typedef int (*MessageBoxHook)(HWND owner, const char *text, const char *caption, UINT type);
void SetMessageBoxHook(MessageBoxHook hook);
int ShowMessageBox(HWND owner, const char *text, const char *caption, UINT type);

// Cursors shown while files and settings are read or written.
void ShowWaitCursor();
void ShowArrowCursor();

// Files.
enum FileReadResult { kFileRead, kFileCantOpen, kFileNoMemory };
// The whole file in one movable block, with a NUL after its bytes.
struct FileText {
    HLOCAL block;
    char *text;
    DWORD size;
};
FileReadResult LoadWholeFile(const char *path, FileText *out);
void FreeFileText(FileText *text);
// Writes data to a temporary file beside path, flushes it and renames it over
// path in one step. On any failure path is as it was and the temporary file
// is gone.
bool WriteFileReplacing(const char *path, const void *data, size_t size);
// Copies source over destination the same way: through a temporary file in
// the destination's directory, then one rename. *step tells what failed.
enum ImportStep { kImportDone, kImportNoTemp, kImportCopyFailed, kImportRenameFailed };
ImportStep CopyFileReplacing(const char *source, const char *destination, char *tempName, size_t tempCap);
// True when the file exists at that name, as the file operations will open
// it (a bare name in the current directory).
bool FileExists(const char *name);
// The platform's file search: a bare name is looked for in the program's
// directory, the current directory, the system directories, the Windows
// directory and PATH. The full path found.
bool SearchFileFullPath(const char *name, char *fullPath, size_t cap);
bool DeleteFileNamed(const char *path);
bool SetCurrentDir(const char *dir);
// The current directory; false (buffer untouched) when it does not fit.
bool GetCurrentDir(char *out, size_t cap);
// The executable's path cut after its last '\' or ':'. False when the
// module path does not fit capacity (buffer then empty).
bool GetProgramDir(char *out, size_t cap);
bool GetModulePath(char *out, size_t cap);
// The full path of a name resolved against the current directory; false
// (buffer untouched) when it cannot be had or does not fit.
bool GetFullPath(const char *name, char *out, size_t cap);

// Profile files. Every read and write holds the profile lock, a mutex that
// all running copies of the program share: the platform rewrites a whole
// profile file for each write, and two copies writing at once would lose
// each other's keys.
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

// System colors.
COLORREF ReadSysColor(int element);
void WriteSysColors(int count, const int *elements, const COLORREF *values);

// Installs CharNextA as the text helpers' character stepping.
void UsePlatformCharStepping();
