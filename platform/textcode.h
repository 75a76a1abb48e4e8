// Text files in the encodings of the wider world: UTF-16 LE with its
// byte-order mark, and UTF-8 with or without one, brought into the system
// code page the program works in.
#pragma once
#include <windows.h>

#include "files.h"

// A character the system code page lacks: it takes this byte's place.
const char kUnconvertibleChar = '\x01';

// count wide characters in the system code page, never by best fit (which
// puts a look-alike, another character, in the place of one the code page
// lacks): such a character becomes unconvertible, and *exact turns false.
// Into out (cap bytes, no NUL added) when it is given, else only measured.
// The bytes the text takes; 0, *exact false, when it cannot be converted.
int WideToCodePage(const wchar_t *wide, int count, char *out, int cap, char unconvertible, bool *exact);

// Converts a loaded file in place when it starts with a UTF-16 LE or UTF-8
// byte-order mark, or is UTF-8 with characters beyond ASCII; other files
// are left as they are. False (the file unchanged) when memory runs out.
bool ConvertToCodePage(FileText *file);
