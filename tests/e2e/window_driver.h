// Driving the main window of a running program: its panel, its list and
// its menu commands.
#pragma once
#include <string>
#include <vector>

#include "fixture.h"

struct Window {
    Program program;
    HWND main = nullptr;
    HWND panel = nullptr;
    HWND list = nullptr;
};

// Starts the program without an argument and waits for its window and
// list. The class name is the executable's base name.
Window StartWindowed(const ProgramDir &p);
std::vector<std::string> Entries(const Window &w);
void Select(const Window &w, int index);
int IndexOf(const Window &w, const std::string &entry);
// Posts a menu command; returns at once (a box or dialog may follow).
void Command(const Window &w, int id);
// A double click on entry index with the mouse messages the list receives.
void DoubleClick(const Window &w, int index);
// The Return key, posted to the given control of the program.
void PressReturn(HWND control);
// The window that has the keyboard focus in the program's thread.
HWND FocusOf(const Window &w);
// Waits until the program's list shows n entries (or the timeout ends).
bool WaitEntries(const Window &w, size_t n, DWORD timeoutMs = 5000);
// Waits until the desktop's colors equal expected.
bool WaitColors(const std::vector<unsigned> &expected, DWORD timeoutMs = 5000);
// Returns once the program has finished what it was doing (a sent message
// is handled only between commands).
void Sync(const Window &w);
// Exits through the menu and returns the exit code.
int ExitProgram(Window &w);

// control.ini "COLOR SCHEMES", emptied and filled by the tests.
void ClearSchemes();
void SetScheme(const char *name, const char *line);
std::string Scheme(const char *name);
