// Driver helpers for the About command: the main window, the logo window,
// the logo bitmap inside an executable, the
// shape of a run's text, and screenshots for the documentation.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "fixture.h"

// Starts the program without argument; its main window (class = the
// executable's base name), or null.
HWND StartWindowed(const ProgramDir &p, Program *program);
void PostCommand(HWND mainWindow, int commandId);

// True when the logo is still up after ms milliseconds of its animation
// (the in-process tests follow its steps; from another process it is seen
// opening and ending).
bool LogoStaysUp(HWND logo, DWORD ms);

// The next message box of the program, noting whether a logo window was
// up at any moment while waiting for it.
Box WaitBoxNotingLogo(const Program &program, bool *logoSeen, DWORD timeoutMs = 10000);

// The logo bitmap's size inside an executable's resources; 0 by 0 when it
// has none.
SIZE LogoBitmapSize(const std::string &exe);
// Gives destination (a copy of source) all of source's resources except
// the logo bitmap.
bool CopyResourcesWithoutLogo(const std::string &source, const std::string &destination);

// The lines of a run's text, each of which must be followed by one empty
// line; *wellFormed is false when the text has another shape.
std::vector<std::string> RunLines(const std::string &text, bool *wellFormed);
// The blanks a line starts with: spaces and ideographic spaces.
std::string LeadingBlanks(const std::string &line);

bool IsTopmost(HWND window);
// The icon shown by a message box, if any.
bool BoxShowsIcon(HWND box);

// With LV_SHOTS_DIR set, saves the screen's pixels under the window as
// LV_SHOTS_DIR\name.bmp; does nothing otherwise.
void SaveShot(const std::string &name, HWND window);
// The same with the window's thread held still meanwhile, for a moving
// picture.
void SaveFrozenShot(const std::string &name, HWND window);
