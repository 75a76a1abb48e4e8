// The thin layer over the Win32 calls the program makes: one place for the
// platform calls, and the seam through which tests answer message boxes.
// Files, profiles and list boxes have headers of their own beside it.
#pragma once
#include <windows.h>
#include <stddef.h>

#include <string>

// The window and dialog procedures are exported by name.
#define LV_EXPORT extern "C" __declspec(dllexport)

// Message boxes. A test installs a hook that sees every box and answers it.
typedef int (*MessageBoxHook)(HWND owner, const char *text, const char *caption, UINT type);
void SetMessageBoxHook(MessageBoxHook hook);
int ShowMessageBox(HWND owner, const char *text, const char *caption, UINT type);

// The wait cursor while a scope reads or writes files or settings; the
// arrow again when it ends.
struct WaitCursor {
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// Directories and the program's own path.
bool SetCurrentDir(const char *dir);
// The current directory; false (buffer untouched) when it does not fit.
bool GetCurrentDir(char *out, size_t cap);
// The full path of a name resolved against the current directory; false
// (buffer untouched) when it cannot be had or does not fit.
bool GetFullPath(const char *name, char *out, size_t cap);
// The executable's path cut after its last '\' or ':'. False when the
// module path does not fit capacity (buffer then empty).
bool GetProgramDir(char *out, size_t cap);
// The executable's file name without directory and extension, whole. False
// (base empty) when the module path holds no '.' or the name does not fit.
bool GetProgramBaseName(char *base, size_t cap);

// System colors.
COLORREF ReadSysColor(int element);
void WriteSysColors(int count, const int *elements, const COLORREF *values);

// The argument text of the command line (ArgumentText's rules), read from
// the wide command line and brought into the system code page. False when
// a character does not convert exactly (it stands as '?' then), or the text
// cannot be converted at all (it is empty then).
bool ReadArgumentText(std::string *text);

// Installs CharNextA as the text helpers' character stepping.
void UsePlatformCharStepping();
