// The import of a chosen file into the program's directory: a color-set file
// is copied, a theme is written as a theme with every color it names.
#pragma once
#include <stddef.h>

#include <string>

// Copies source into destination through a temporary file beside it, after
// asking before it replaces a file; text, when given, is written in place of
// source's bytes. True when the file was copied into place; false after a
// message, or on No, with the destination as it was.
bool ImportFile(const char *destination, const char *source, const std::string *text = nullptr);
// Imports source beside the program: a theme as a theme file named after
// it (its wallpaper only when on this machine), any other file as a copy
// under its own name (a color-set file that names a wallpaper off the
// machine without those lines, so that the name travels no further).
// destination names the file that now stands, or would stand, beside the
// program; it is empty when no such name fits.
void ImportIntoProgramDir(const char *source, char *destination, size_t cap);
