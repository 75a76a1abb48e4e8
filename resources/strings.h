// Reading the string table, and the reports shared by every part.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "messages.h"

enum { kRunCap = 652, kRunEntryLimit = 130 };

// The entry of englishId in the English edition, of japaneseId otherwise,
// cut to capacity - 1 bytes.
void LoadEditionString(int japaneseId, int englishId, char *out, size_t cap);
// The entries from firstId up to the first absent one, each followed by
// two line feeds.
void LoadStringRun(int firstId, char *out, size_t cap);
// "Out of memory" as caption, TitleString as text, stop icon, no owner.
void ShowOutOfMemory();
// A box captioned with TitleString.
int ShowTitledMessage(HWND owner, const char *text, UINT type);
// A paired message with a name, captioned with TitleString.
int ShowNamedMessage(HWND owner, MessageKey key, const char *name, UINT type);
