// The name rules of the Save As and Add dialogs: which names are saved and
// how, what a typed wildcard pattern changes, and where an imported file
// goes. Pure code over byte strings in the system code page; the dialogs
// show the messages and touch the files.
#pragma once
#include <stddef.h>

// What Save As does with the name typed into its field.
enum SaveNameDecision {
    kSaveNameEmpty,         // refused without a message
    kSaveNameWildcard,      // refused with the wildcard message
    kSaveNameTooLong,       // refused: its directory would not fit WorkDir (a name is never cut)
    kSaveNameAsTyped,       // accepted as it stands
    kSaveNameAddExtension,  // accepted once the default extension is appended
};
SaveNameDecision DecideSaveName(const char *name, size_t workDirCap);

// True when the text holds '*' or '?' (searched by whole characters).
bool HasWildcard(const char *text);

// Makes the filter's extension the default extension, when it offers one.
// False, with defaultExt unchanged, when it offers none or it does not fit.
bool AdoptFilterExtension(const char *filter, char *defaultExt, size_t defaultExtCap);

// A wildcard pattern typed into the Add dialog: its directory part (empty
// when it has none) and its file part, the new file filter. A pattern that
// would not fit whole is refused, never cut.
enum PatternSplit {
    kPatternSplit,
    kPatternDirTooLong,     // the directory part does not fit WorkDir
    kPatternFilterTooLong,  // the file part does not fit FileFilter
    kPatternExtTooLong,     // its extension would not fit DefaultExt
};
PatternSplit SplitTypedPattern(const char *text, char *dir, size_t dirCap, char *filter, size_t filterCap,
                               size_t defaultExtCap);

// The text that a directory or drive chosen in the Add dialog's list puts
// into the name field: the item (SUBDIR\ or C:) followed by the filter.
// False, with out empty, when it does not fit.
bool DirectoryPattern(const char *item, const char *filter, char *out, size_t cap);

// Where an imported file goes: the program's directory followed by the
// source's file name. False, with out empty, when it does not fit.
bool ImportDestination(const char *programDir, const char *source, char *out, size_t cap);

// The name Save As proposes for an entry of the list: a theme's own name,
// any other file's base name with ".col" (a legacy file, one of another
// extension), a control-panel scheme's name with ".col". False, out empty,
// when a scheme's name holds a character no file name may (\ / : * ? " < >
// | or a control character), or the name does not fit.
bool EntrySaveName(const char *name, bool isFile, char *out, size_t cap);
