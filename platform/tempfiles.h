// The program's temporary files, named so that the program knows them as its
// own and knows whether their writer still runs (core/tempname.h). A writer
// killed, or cut off by a power failure, between making one and renaming it
// leaves it behind: the next sweep of its directory removes it.
#pragma once
#include <stddef.h>

// A new empty temporary file of this process in dir (a directory, with or
// without its '\'; "." for the current one), after a sweep of dir. Its full
// name in out.
bool MakeOwnTempFile(const char *dir, char *out, size_t cap);
// Removes the program's temporary files in dir whose writer has ended. A file
// that another program holds open, or that is not of the program's form,
// stays.
void SweepDeadTempFiles(const char *dir);
