// The program's message boxes: a message of the catalogue or the string
// table, composed with a name and captioned with the edition's TitleString.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "../core/messages.h"
#include "../platform/profile.h"

// The message of key in the running edition's language, with the name
// placed in it (null for a message without one). The answer.
int ShowMessage(HWND owner, MessageKey key, const char *name, UINT type);
// The same without a caption: the platform's default caption shows.
int ShowMessageUncaptioned(HWND owner, MessageKey key, UINT type);
// A failed rename of the temporary file of an import: no owner, no icon.
void ShowRenameFailed(const char *tempName, const char *destination);
// What a profile write came to: nothing when written; the write-failed
// message naming the file; when the settings were locked by another
// program, that message, once in a command.
void TellProfileWrite(HWND owner, ProfileWrite result, const char *file);
// "Out of memory" as caption, TitleString as text, stop icon, no owner.
void ShowOutOfMemory();

// One string of the string table, cut to capacity - 1 bytes.
void LoadCatalogueString(int id, char *out, size_t cap);
// The strings from firstId up to the first absent one, each followed by
// two line feeds.
void LoadStringRun(int firstId, char *out, size_t cap);
// A box holding one string, or a run of strings, of the string table.
int ShowString(HWND owner, int id, UINT type);
int ShowStringRun(HWND owner, int firstId, UINT type);
