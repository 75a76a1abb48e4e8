// A key set in any profile text (code pages 932 and 1252): every line of the old text but the key's own is still a
// line of the new one, and setting the same value again changes nothing.
#include <set>

#include "check.h"
#include "core/mbtext.h"
#include "core/profile_text.h"

// The lines that are not blank, without their CR.
static std::multiset<std::string> Lines(const std::string &text) {
    std::multiset<std::string> lines;
    for (size_t at = 0, lf; at < text.size(); at = lf + 1) {
        std::string line = text.substr(at, (lf = std::min(text.find('\n', at), text.size())) - at);
        if (line.find_first_not_of(" \t\r") != line.npos) lines.insert(line.substr(0, line.find_last_not_of('\r') + 1));
    }
    return lines;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    static const char *const sections[] = {"colors", "COLOR SCHEMES", "a", "\x83\x41"};
    static const char *const keys[] = {"k", "\x83\x5C"};
    SetTextCodePage(data[0] & 1 ? 932 : 1252);
    const char *section = sections[(data[0] >> 1) & 3], *key = keys[(data[0] >> 3) & 1];
    std::string text((const char *)data + 1, size - 1), edited, again;
    if (SetProfileKey(text, section, key, "1 2 3", &edited) != kProfileEdited) return 0;
    std::multiset<std::string> before = Lines(text), after = Lines(edited);
    Check(std::count_if(before.begin(), before.end(), [&](auto &l) { return !after.count(l); }) <= 1,
          "every line but the key's own kept");
    Check(SetProfileKey(edited, section, key, "1 2 3", &again) == kProfileUnchanged, "the value set is found again");
    return 0;
}
