// The text of a profile file (win.ini, control.ini) with one key set the way
// the platform's profile functions set it, every other byte kept. Pure.
//
// Lines end at LF (CR before it belongs to the line end). A section begins at
// a line whose first character after blanks is '[' and which holds a ']'; its
// name is what stands between the '[' and the line's last ']'. A key line's
// name is what stands before its first '=', blanks around it dropped (a line
// without '=' is a name alone). Names are compared case-blind for ASCII
// letters, stepping by whole characters, so that a trail byte of a Shift-JIS
// character is never read as a letter, ']' or '='.
#pragma once
#include <string>

enum ProfileEdit {
    kProfileEdited,       // out holds the new text
    kProfileUnchanged,    // the key already holds that value: nothing to write
    kProfileUnwritable,   // a name or value no profile line can hold (a line break, '=' in the key...)
    kProfileNotCodePage,  // the text begins with a byte-order mark: it is not in the system code page
};

// Sets key=value in the first section of that name: the key's line keeps
// everything before its '=' and takes the new value; a new key goes after the
// section's last line that is not blank; a new section goes at the end, after
// a blank line. New lines end in CR LF. Blanks before the value are dropped,
// as the platform drops them.
ProfileEdit SetProfileKey(const std::string &text, const char *section, const char *key, const char *value,
                          std::string *out);
