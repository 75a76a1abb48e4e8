// What the Save As and Add dialogs keep between their openings: the values
// of the last Save As or Add, and where Add browses.
#pragma once

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

// The Add dialog's directory, which Save As also starts from, its pattern,
// and the extension both give a name typed without one (the list shows the
// files that end in it).
struct AddStateRecord {
    char WorkDir[kWorkDirCap];  // ends in a backslash
    char FileFilter[kFileFilterCap];
    char DefaultExt[kDefaultExtCap];
};
extern AddStateRecord g_addState;

// Both records as at process start (tests).
void ResetSaveState();
// WorkDir := the current directory with its backslash. False when that does
// not fit, WorkDir then being left as it was (but for its backslash).
bool InitWorkDir();
