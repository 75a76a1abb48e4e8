// What the Save As and Add dialogs share: the name field, the OK button
// that follows it, and their dialog procedure.
#pragma once
#include <windows.h>
#include <stddef.h>

// The whole text of a dialog field, or what fits of it: false when it had
// to be cut.
bool ReadField(HWND dialog, int fieldId, char *out, size_t cap);
// The open dialog's OK button: enabled or not, as the dialog opens.
void EnableOk(HWND dialog, bool enabled);
// Selects the whole text of the name field.
void SelectNameField(HWND dialog);

// The two dialogs' procedure: the dialog's initialisation runs init, which
// puts the focus where it belongs (so false is returned); the name field
// keeps OK following it; any other control's command runs command with the
// control id and the notification code, which tells whether it handled it;
// every other message is the platform's.
INT_PTR DialogProcedure(HWND dialog, UINT message, WPARAM wParam, void (*init)(HWND),
                        INT_PTR (*command)(HWND, int, int));
