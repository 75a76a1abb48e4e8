// The one road from a color-set file, or a theme, to the desktop: the file
// is read once, its colors applied, then its wallpaper.
#pragma once
#include <windows.h>

// The two ways in: an entry of the scheme list, and a file named on the
// command line, whose title is read first as the test that it is a
// color-set file at all (a file of neither form then ends the road
// silently, and one that cannot be opened is reported as not accessible).
enum ApplyRoad { kFromList, kFromCommandLine };

// Applies the file's colors in one call (a .col file's nineteen, every
// color a theme names; the others keep the desktop's) and, when it names
// one, its wallpaper; the wallpaper's messages are owned by owner. True
// when the colors were applied.
bool ApplyColorSetFile(HWND owner, const char *path, ApplyRoad road);
