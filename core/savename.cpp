#include "savename.h"

#include <string.h>

#include "mbtext.h"

SaveNameDecision DecideSaveName(const char *name, size_t workDirCap) {
    if (name[0] == '\0') return kSaveNameEmpty;
    if (HasWildcard(name)) return kSaveNameWildcard;
    // The directory part becomes WorkDir; one that does not fit is refused
    // rather than cut into another directory.
    if (DirPartLength(name) >= workDirCap) return kSaveNameTooLong;
    return HasExtension(name) ? kSaveNameAsTyped : kSaveNameAddExtension;
}

bool HasWildcard(const char *text) { return FindChar(text, '*') || FindChar(text, '?'); }

const char *FilterExtension(const char *filter) {
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
