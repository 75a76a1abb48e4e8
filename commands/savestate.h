// What the Save As and Add dialogs share: the values of the last Save As or
// Add (kept for the next one), the state of the open dialog's OK button,
// and the small operations both dialogs use.
#pragma once
#include <windows.h>

// An optional text: null when absent, else a movable local-heap block
// holding a NUL-terminated text (possibly empty). Locked only while used.
typedef HLOCAL OptionalText;

struct SaveStateRecord {
    OptionalText fileName;      // the name last saved or chosen to import
    OptionalText titlePrimary;  // [LUMIVANE] title: set by the primary edition
    OptionalText titleSibling;  // [VELTINA] title: set by the Japanese editions
    OptionalText titleEnglish;  // [ENGLISH] title: set by every edition
    bool withWallpaper;         // Save As puts the wallpaper into the file
};
extern SaveStateRecord g_saveState;

// The storage of old resized (or a new block when old is absent) to hold a
// copy of text. On failure the out-of-memory box is shown, old is released
// and the result is absent.
OptionalText SetBlockText(OptionalText old, const char *text);
// The same with the whole text of a dialog field.
OptionalText ReadFieldText(HWND dialog, int fieldId, OptionalText old);
void ReleaseText(OptionalText text);
// The text of a present optional text, locked until UnlockText; null when
// absent.
const char *LockText(OptionalText text);
void UnlockText(OptionalText text);
// Appends DefaultExt to the text, resizing its block. False, after the
// out-of-memory box, when it cannot grow (the text is then unchanged).
bool AppendDefaultExtension(OptionalText *text);
// Every text absent, the wallpaper flag off, the OK state 1 (tests).
void ResetSaveState();

// The open dialog's OK button: 0 enables it, 1 disables it; any other
// request changes nothing. Returns the state now remembered.
int SetOkState(HWND dialog, int request);
// Keeps the OK button enabled exactly while the name field holds text.
void FollowNameField(HWND dialog);
bool NameFieldHasText(HWND dialog);
// True when a wallpaper is in force.
bool HasWallpaper();

