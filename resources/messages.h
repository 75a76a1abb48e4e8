// The program's fixed messages, held in pairs (English for the English
// edition, Japanese in Shift-JIS for the two Japanese editions), and the
// composition of a message with a file or scheme name. Pure code.
#pragma once
#include <stddef.h>

enum MessageKey {
    kMsgReplace,          // name, then text
    kMsgWildcard,         // text alone
    kMsgOutOfMemory,      // caption of the out-of-memory box
    kMsgSourceMissing,    // English: text, name; Japanese: name, text
    kMsgSaveFailed,       // English: text, name; Japanese: name, text
    kMsgOpenFailed,       // English: text, name; Japanese: name, text
    kMsgBadLine,          // text alone
    kMsgDeleteQuestion,   // entry, then text
    kMsgFirstRun,         // text alone
    kMsgInstalledAlready, // name, then text
    kMsgSystemScheme,     // text alone
    kMsgInstallAll,       // text alone
    kMsgWriteFailed,      // English: text, name; Japanese: name, text
    kMsgCopyFailed,       // English: text, name; Japanese: name, text
    kMsgPatternTooLong,   // English: text, name; Japanese: name, text
    kMsgUnstorableName,   // English: text, name; Japanese: name, text
    kMessageKeyCount
};

// Big enough for any message: two paths of 260 bytes and the longest text.
enum { kMessageCap = 1024 };

// The text of a message in the edition's language (2 English, else Japanese).
const char *MessageText(MessageKey key, int edition);
// The message with the name placed as the key's composition says. The result
// is display text: cut at the buffer (on a character boundary) if need be.
void ComposeMessage(MessageKey key, int edition, const char *name, char *out, size_t cap);
// "Can't rename from TEMP to DEST" / "TEMP から DEST にファイル名を変更できません。"
void ComposeRenameFailed(int edition, const char *tempName, const char *dest, char *out, size_t cap);
// Replaces the first "%s" of a format from the string table (or the
// program's own single-language formats) with the name.
void FormatWithName(const char *format, const char *name, char *out, size_t cap);

// Single-language texts shown in every edition.
extern const char kTextNoFileName[];        // "NO FILE NAME!!!"
extern const char kTextCantDelete[];        // "Can't delete the file"
extern const char kTextNoColorsSection[];
extern const char kTextNotColorSet[];
extern const char kFormatInternalNotFound[];  // "INTERNAL ERROR, File %s not found"

// Literals that are not messages.
extern const char kWallpaperNoneEnglish[];   // "(none)"
extern const char kWallpaperNoneJapanese[];  // "(なし)"
extern const char kOwnersFileName[];         // "owners.col"
extern const char kOwnersTitleEnglish[];     // "Owners Default Color"
extern const char kOwnersTitleJapanese[];    // "オーナー・デフォルト"
