// Paths, copies, list entries, the argument text, name rules and messages on any bytes, in code pages 932 and 1252.
#include "check.h"
#include "core/argtext.h"
#include "core/capacity.h"
#include "core/entryname.h"
#include "core/mbtext.h"
#include "core/messages.h"
#include "core/savename.h"

static bool AtCharStart(const char *p, const char *at) {  // stepping by characters from p
    while (*p && p < at) p = NextChar(p);
    return p == at;
}

static void CheckAll(const std::string &t, size_t cap) {
    const char *text = t.c_str(), *tab = FindChar(text, '\t'), *arg = ArgumentText(text), *sch = SchemeEntryName(text);
    const size_t len = t.size(), dl = DirPartLength(text);
    Check(FindChar(text, '\0') == text + len && (!tab || (*tab == '\t' && AtCharStart(text, tab)))
          && (!dl || t[dl - 1] == '\\' || t[dl - 1] == ':') && (!EndsWithChar(text, '\\') || t.back() == '\\'),
          "FindChar, EndsWithChar and the directory part");
    const char *part = FileNamePart(text);
    Check(part >= text && part <= text + len && AtCharStart(text, part) && !FindChar(part, '\\') && !FindChar(part, ':')
          && HasExtension(text) == (FindChar(part, '.') != nullptr), "the file name: no separator, and its extension");
    Check((!sch || FindChar(text, '\t') == sch - 1) && arg >= text && arg <= text + len && (*arg <= 0 || *arg > ' ')
          && (DecideSaveName(text, cap) == kSaveNameEmpty) == t.empty(), "a scheme name, an argument, a save name");
    Exact dir(cap), file(cap), base(cap), cut(cap), copy(cap), name(cap), filter(16), ext(8, ".col"), o(cap);
    Check(SplitPath(text, dir.data(), cap, file.data(), cap) ? dir.Text() + file.Text() == t && dir.Text().size() == dl
          : dir.Text() + file.Text() == "" && (dl >= cap || len - dl >= cap), "path parts that make the path, or none");
    Check(!ModuleBaseName(text, base.data(), cap) || t.find(base.Text() + ".") != t.npos, "a base name before a '.'");
    Check((CopyTextCut(cut.data(), cap, text), !t.compare(0, cut.Text().size(), cut.Text()))
          && (cut.Text() == t || cut.Text().size() + 2 >= cap) && AtCharStart(text, text + cut.Text().size()),
          "a cut copy: the whole characters that fit");
    Check(CopyText(copy.data(), cap, text) ? copy.Text() == t : copy.Text().empty() && len >= cap, "copied or not");
    const std::string copied = copy.Text();
    Check(AppendText(copy.data(), cap, text) ? copy.Text() == copied + t : copy.Text() == copied, "appended or not");
    Check(!FileEntryName(text, name.data(), cap) || t.find("(" + name.Text() + ")\t") == 0, "an entry name");
    Check(AdoptFilterExtension(text, ext.data(), 8) ? t.find(ext.Text()) != t.npos : ext.Text() == ".col", "extension");
    const bool split = SplitTypedPattern(text, dir.data(), cap, filter.data(), 16, 8) == kPatternSplit;
    Check(dir.Text() + filter.Text() == (split ? t : ""), "a pattern split whole, or refused with both parts empty");
    Check(DirectoryPattern(text, "*.col", o.data(), cap) || o.Text().empty(), "a pattern within cap, or none");
    Check(ImportDestination("D\\", text, o.data(), cap) || o.Text().empty(), "a destination within cap, or none");
    // A message cut to cap is a prefix of the whole one, cut where a character does not fit (two bytes short at most).
    for (int id = 0; id <= kMessageCount; id++)  // every message with the text as its names, and the text as a format
        for (int e = 0; e < kEditionCount; e++) {
            Exact whole(4 * kMessageCap), part(cap);
            for (Exact *b : {&whole, &part})
                if (id < kMessageCount) ComposeMessage(MessageFormat((MessageId)id, (Edition)e), text, text, b->data(), b->cap);
                else ComposeMessage(text, "x.bmp", nullptr, b->data(), b->cap);
            const std::string w = whole.Text(), s = part.Text();
            Check(!w.compare(0, s.size(), s) && (s == w || s.size() + 2 >= cap), "a cut message is a prefix");
        }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0 || size > 600) return 0;  // longer than any path, entry or name
    const std::string text = std::string((const char *)data + 1, size - 1).c_str();  // after the capacity's byte
    for (int codePage : {932, 1252}) SetTextCodePage(codePage), CheckAll(text, data[0] % 40);
    return 0;
}
