// What the end-to-end tests share: the program in a directory of its own, started windowed, its list and boxes.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../../core/resource.h"
#include "../driver/driver.h"

struct ProgramDir { std::string dir, exe; };
// A fresh directory holding the program (the one beside the tests, or $LV_PROGRAM) under exeName and the samples
// named, with the .col association set for it: no first-run question.
ProgramDir PrepareProgram(const std::string &exeName = "LUMVAN32.EXE", const std::vector<std::string> &samples = {},
                          const std::string &suffix = "");

// Started with this argument text in dir: the text of the box it shows, answered, with its caption, then the exit code.
std::string RunWith(const ProgramDir &p, const std::wstring &argument, const std::string &dir, bool box = false);

struct App { Program program; HWND main, list; };  // the main window and its scheme list
App StartApp(const ProgramDir &p, const std::string &from = "");  // without argument, from p.dir or from; started
int ExitApp(App &app);              // from the menu; the exit code
HWND OpenDialog(const App &app, int command, const char *caption);
bool Listed(const App &app, const std::string &entry);
void Select(HWND list, const std::string &entry);
// The boxes expected in turn: each one's text, then the button that answers it.
using Boxes = std::vector<std::pair<std::string, int>>;
void AnswerBoxes(const App &app, const Boxes &boxes);
// Selects the entry (when given), chooses the command, then answers the boxes.
void Choose(const App &app, int command, const std::string &entry, const Boxes &boxes);
HWND OpenEditor(const App &app, const std::string &entry);  // from the system menu; the editor
void PickColor(const App &app, HWND editor);  // (10, 20, 30) for the chosen element, through the system's chooser
std::string Scheme(const char *name);  // of control.ini
void SetScheme(const char *name, const char *line);

// A neutral palette to start from, with some elements changed: the first nineteen elements, or count.
std::vector<COLORREF> StartingColors(const std::vector<std::pair<int, COLORREF>> &changes = {}, unsigned count = 19);
// A current-form file with an English title and these color lines (and what follows them).
std::string ColFile(const std::string &english, const std::string &lines);
