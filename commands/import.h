// The import of a chosen file into the program's directory: a color-set file
// is copied, a theme is written as a theme with every color it names.
#pragma once
#include <stddef.h>

// Copies source into destination through a temporary file beside it, after
// asking before it replaces a file. True when the file was copied into
// place; false after a message, or on No, with the destination as it was.
bool ImportFile(const char *destination, const char *source);
// Imports source beside the program: a theme as a theme file named after
// it, any other file as a copy under its own name. destination
// names the file that now stands, or would stand, beside the program; it
// is empty when no such name fits.
void ImportIntoProgramDir(const char *source, char *destination, size_t cap);
