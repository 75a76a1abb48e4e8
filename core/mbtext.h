// Path and text operations over byte strings in the system's ANSI code page.
// Every scan steps by whole characters, so the second byte of a Shift-JIS
// character (which may be 0x5C, the code of '\') is never taken for a
// separator. Pure code: no <windows.h>; the Win32 build plugs CharNextA in.
#pragma once
#include <stddef.h>

#include <string>

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
// A file's name without its extension (from the last '.' of the name). False,
// base empty, when it does not fit.
bool FileBaseName(const char *path, char *base, size_t baseCap);
// True when the last character of text is c (stepping by characters).
bool EndsWithChar(const char *text, char c);

// Lines of a text. A line ends at LF, which is never a byte of a double-byte
// character: the next line is found by the bytes, also after a lone lead
// byte. CR before LF belongs to the line end.
const char *NextLine(const char *p);  // the byte after the next LF; null at the last line
// The end of the line at p: its CR, LF or NUL, stepping by characters; a
// lone lead byte never hides the line end after it.
const char *LineEnd(const char *p);
// White space within a line, as the formatted scan takes it: blank, tab,
// CR, VT and FF (never LF).
bool IsLineBlank(char c);
// Appends the line and CR LF.
void AppendLine(std::string *out, const char *text, size_t length);
void AppendLine(std::string *out, const std::string &line);

// Bounded copies. CopyText and AppendText copy whole or not at all: on
// overflow they leave dst as it was and return false. CopyCut copies the
// whole characters that fit, never splitting a double-byte one (display
// text only), and tells whether all did.
bool CopyText(char *dst, size_t cap, const char *src);
bool AppendText(char *dst, size_t cap, const char *src);
bool CopyBytes(char *dst, size_t cap, const char *src, size_t len);
bool CopyCut(char *dst, size_t cap, const char *src, size_t length);
void CopyTextCut(char *dst, size_t cap, const char *src);
// Case-insensitive comparison of ASCII letters; other bytes compare as is.
int CompareNoCaseAscii(const char *a, const char *b);
// True when text begins with prefix, ASCII letters in any case.
bool StartsWithNoCaseAscii(const char *text, const char *prefix);
// True when text ends in suffix, ASCII letters in any case, the suffix
// starting on a whole character of text.
bool EndsWithNoCaseAscii(const char *text, const char *suffix);
// True when the length bytes at text are word, ASCII letters in any case.
bool EqualsNoCaseAscii(const char *text, size_t length, const char *word);
// A path from a drive's root: a letter, ':' and '\' (never a network path
// or one relative to a current directory).
bool IsDriveRootedPath(const char *path);
