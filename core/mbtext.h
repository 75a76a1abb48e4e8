// Path and text operations over byte strings in the system's ANSI code page.
// Every scan steps by whole characters, so the second byte of a Shift-JIS
// character (which may be 0x5C, the code of '\') is never taken for a
// separator. Pure code: no <windows.h>; the Win32 build plugs CharNextA in.
#pragma once
#include <stddef.h>

typedef const char *(*NextCharFunction)(const char *p);

// Chooses the stepping used by the helpers below. 932 steps over Shift-JIS
// lead and trail bytes; any other value steps byte by byte.
void SetTextCodePage(int codePage);
// Replaces the stepping with the platform's own (CharNextA in the program).
void SetNextCharFunction(NextCharFunction next);
// The next character after p; p itself at the terminating NUL.
const char *NextChar(const char *p);

// First character whose first byte equals c; for 0 the end of the text;
// null when absent.
const char *FindChar(const char *text, char c);
// A '.' after the last '\' or ':' means the name has an extension.
bool HasExtension(const char *name);
// Length of the directory part: up to and including the last '\' or ':'.
size_t DirPartLength(const char *path);
// The file name after the directory part.
const char *FileNamePart(const char *path);
// Splits path into its directory part and file name. False, with both
// outputs empty, when a part does not fit its buffer.
bool SplitPath(const char *path, char *dir, size_t dirCap, char *file, size_t fileCap);
// The base name of a module path: the file name before the last '.'
// anywhere in the path. False when the path holds no '.'.
bool ModuleBaseName(const char *modulePath, char *base, size_t baseCap);
// The text after the last '\' or ':' of a wallpaper setting's value.
const char *WallpaperNamePart(const char *value);
// True when the last character of text is c (stepping by characters).
bool EndsWithChar(const char *text, char c);

// Bounded copies. CopyText and AppendText copy whole or not at all: on
// overflow they leave dst as it was and return false. CopyTextCut copies
// what fits without splitting a double-byte character (display text only).
bool CopyText(char *dst, size_t cap, const char *src);
bool AppendText(char *dst, size_t cap, const char *src);
bool CopyBytes(char *dst, size_t cap, const char *src, size_t len);
void CopyTextCut(char *dst, size_t cap, const char *src);
// Case-insensitive comparison of ASCII letters; other bytes compare as is.
int CompareNoCaseAscii(const char *a, const char *b);
// True when text begins with prefix, ASCII letters in any case.
bool StartsWithNoCaseAscii(const char *text, const char *prefix);
// A path from a drive's root: a letter, ':' and '\' (never a network path
// or one relative to a current directory).
bool IsDriveRootedPath(const char *path);
