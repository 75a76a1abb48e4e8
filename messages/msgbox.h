// The program's message boxes, each captioned as the program's catalogue
// says (the edition's TitleString, as a rule) and answered through the
// platform's seam, in the running edition's language.
#pragma once
#include <windows.h>

#include "../core/messages.h"
#include "../platform/profile.h"

// A message of the catalogue with its names in place, in the box its row
// gives. The answer.
int ShowMessage(HWND owner, MessageId id, const char *name, const char *secondName = nullptr);

// Texts of the string table: one string as it stands, or a whole run, the
// strings from the first up to the first absent one, each followed by two
// line feeds. The answer.
enum StringSpan { kOneString, kWholeRun };
int ShowStrings(HWND owner, int firstId, StringSpan span, UINT type);

// A text of the string table added beside the original resources, in the
// running edition's language (EditionStringId), cut to the buffer.
void LoadEditionString(int englishId, char *out, size_t cap);

// What a profile write came to: nothing when written; the write-failed
// message naming the file; when the settings were locked by another
// program, that message, once in a command.
void TellProfileWrite(HWND owner, ProfileWrite result, const char *file);
