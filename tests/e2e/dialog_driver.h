// Driving the windowed program: its main window, the scheme list, and the
// Save As and Add dialogs of another process, field by field.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "fixture.h"

// The program started without argument, with its main window and list.
struct Windowed {
    Program program;
    HWND main = nullptr;
    HWND list = nullptr;  // the scheme list 406 of the panel
};
// Starts it in its own directory and waits for the main window. With
// firstRunQuestion the first-run question is left open for the test.
Windowed StartWindowed(const ProgramDir &p, bool firstRunQuestion = false);
// Asks it to close and waits for its end; kills it when it does not end.
void CloseWindowed(Windowed &w);
// Returns once the program has finished the command it is running (a box
// or dialog that it shows meanwhile ends the wait too).
void Settle(const Windowed &w);

// Sends a menu command and waits for the dialog of that caption.
HWND OpenDialog(const Windowed &w, int command, const char *caption);
// Presses a button of a dialog without waiting: for a press that shows a
// box or ends the dialog.
void Press(HWND dialog, int id);
// Presses a button, or sends a control's notification, and returns once
// the dialog has handled it: for one that shows no box.
void Click(HWND dialog, int id);
void Notify(HWND dialog, int id, int code);
// Waits until the window has been destroyed (a dialog whose command then
// goes on has ended its own message loop).
bool WaitDestroyed(HWND window, DWORD timeoutMs = 10000);

std::string FieldText(HWND dialog, int id);
void TypeInto(HWND dialog, int id, const std::string &text);
bool ControlExists(HWND dialog, int id);
bool ControlEnabled(HWND dialog, int id);
bool Checked(HWND dialog, int id);
// The selection of an edit field as [start, end).
std::pair<int, int> FieldSelection(HWND dialog, int id);

// A message box (no name field) of the program, waiting up to timeoutMs.
Box FindBox(const Program &program, DWORD timeoutMs = 10000);

// The file entries of the scheme list: "(" name ")" TAB title.
std::vector<std::string> FileEntries(HWND list);
// Selects the list item with this text in a dialog's list box and sends
// the selection-change notice; false when there is no such item.
bool SelectItem(HWND dialog, int listId, const std::string &item);
bool ListHas(const std::vector<std::string> &items, const std::string &item);
bool SameTextNoCase(const std::string &a, const std::string &b);

// The lines of a color-set file's text, without their CR LF.
std::vector<std::string> FileLines(const std::string &path);
// The title sections ([LUMIVANE], [VELTINA], [ENGLISH]) a file carries,
// each with the title line that follows it.
std::vector<std::string> TitleSections(const std::string &path);
// A small current-form color-set file with an English title.
std::string ColorSetText(const std::string &title, unsigned color);
