#include "savename.h"

#include <string.h>

#include "mbtext.h"
#include "theme_text.h"

SaveNameDecision DecideSaveName(const char *name, size_t workDirCap) {
    if (name[0] == '\0') return kSaveNameEmpty;
    if (HasWildcard(name)) return kSaveNameWildcard;
    // The directory part becomes WorkDir; one that does not fit is refused
    // rather than cut into another directory.
    if (DirPartLength(name) >= workDirCap) return kSaveNameTooLong;
    return HasExtension(name) ? kSaveNameAsTyped : kSaveNameAddExtension;
}

bool HasWildcard(const char *text) { return FindChar(text, '*') || FindChar(text, '?'); }

// The extension of a file pattern that may become the default extension:
// the text from its first '.' to the end, when that text holds no wildcard.
// Null when the pattern offers none (*.*, *.c?l, *).
static const char *FilterExtension(const char *filter) {
    const char *dot = FindChar(filter, '.');
    if (!dot || HasWildcard(dot)) return nullptr;
    return dot;
}

bool AdoptFilterExtension(const char *filter, char *defaultExt, size_t defaultExtCap) {
    const char *extension = FilterExtension(filter);
    return extension && CopyText(defaultExt, defaultExtCap, extension);
}

PatternSplit SplitTypedPattern(const char *text, char *dir, size_t dirCap, char *filter, size_t filterCap,
                               size_t defaultExtCap) {
    const char *file = FileNamePart(text);
    const char *extension = FilterExtension(file);
    PatternSplit result = kPatternSplit;
    if ((size_t)(file - text) >= dirCap) result = kPatternDirTooLong;
    else if (strlen(file) >= filterCap) result = kPatternFilterTooLong;
    else if (extension && strlen(extension) >= defaultExtCap) result = kPatternExtTooLong;
    if (result != kPatternSplit || !SplitPath(text, dir, dirCap, filter, filterCap)) {
        if (dirCap) dir[0] = '\0';
        if (filterCap) filter[0] = '\0';
    }
    return result;
}

bool DirectoryPattern(const char *item, const char *filter, char *out, size_t cap) {
    if (CopyText(out, cap, item) && AppendText(out, cap, filter)) return true;
    if (cap) out[0] = '\0';
    return false;
}

bool ImportDestination(const char *programDir, const char *source, char *out, size_t cap) {
    if (CopyText(out, cap, programDir) && AppendText(out, cap, FileNamePart(source))) return true;
    if (cap) out[0] = '\0';
    return false;
}

// Characters a file name may not hold (the first byte of each character
// is looked at: no Shift-JIS lead byte is one of them).
static bool HoldsForbiddenChar(const char *name) {
    for (const char *p = name; *p; p = NextChar(p))
        if ((unsigned char)*p < 0x20 || strchr("\\/:*?\"<>|", *p)) return true;
    return false;
}

bool EntrySaveName(const char *name, bool isFile, char *out, size_t cap) {
    bool made;
    if (isFile && HasThemeExtension(name))
        made = CopyText(out, cap, name);
    else if (isFile)
        made = FileBaseName(name, out, cap) && AppendText(out, cap, ".col");
    else
        made = name[0] && !HoldsForbiddenChar(name) && CopyText(out, cap, name) && AppendText(out, cap, ".col");
    if (!made && cap) out[0] = '\0';
    return made;
}
