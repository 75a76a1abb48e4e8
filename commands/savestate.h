// What the Save As and Add dialogs share: the values of the last Save As or
// Add (kept for the next one), the open dialog's OK button, and the small
// operations both dialogs use.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "../core/capacity.h"

// A text kept for the next dialog: absent, or present and possibly empty.
struct SavedText {
    bool present;
    char text[kFieldTextCap];
    const char *Get() const { return present ? text : nullptr; }
    void Set(const char *value);  // present, holding what fits of value
    void Clear() { present = false, text[0] = '\0'; }
};

struct SaveStateRecord {
    SavedText fileName;      // the name last saved or chosen to import
    SavedText titlePrimary;  // [LUMIVANE] title: set by the primary edition
    SavedText titleSibling;  // [VELTINA] title: set by the Japanese editions
    SavedText titleEnglish;  // [ENGLISH] title: set by every edition
    bool withWallpaper;      // Save As puts the wallpaper into the file
};
extern SaveStateRecord g_saveState;

// The whole text of a dialog field, or what fits of it: false when it had
// to be cut.
bool ReadField(HWND dialog, int fieldId, char *out, size_t cap);
// Every text absent, the wallpaper flag off (tests).
void ResetSaveState();

// The open dialog's OK button: enabled or not, as the dialog opens.
void EnableOk(HWND dialog, bool enabled);
// Keeps the OK button enabled exactly while the name field holds text.
void FollowNameField(HWND dialog);
// Selects the whole text of the name field.
void SelectNameField(HWND dialog);

// The two dialogs' procedure: the dialog's initialisation runs init, which
// puts the focus where it belongs (so false is returned); a command runs
// command with the control id and the notification code, which tells
// whether it handled it; every other message is the platform's.
INT_PTR DialogProcedure(HWND dialog, UINT message, WPARAM wParam, void (*init)(HWND),
                        INT_PTR (*command)(HWND, int, int));
