// The program's fixed messages: the pairs held in code (English for the
// English edition, Japanese in Shift-JIS for the Japanese ones), the texts
// shown in English in every edition, and the composition of a message with
// a file or scheme name. Pure code.
#pragma once
#include <stddef.h>

#include "edition.h"

enum MessageKey {
    kMsgReplace,           // name, then text
    kMsgWildcard,          // text alone
    kMsgOutOfMemory,       // caption of the out-of-memory box
    kMsgSourceMissing,     // English: text, name; Japanese: name, text
    kMsgSaveFailed,        // English: text, name; Japanese: name, text
    kMsgOpenFailed,        // English: text, name; Japanese: name, text
    kMsgBadLine,           // text alone
    kMsgDeleteQuestion,    // entry, then text
    kMsgFirstRun,          // text alone
    kMsgInstalledAlready,  // name, then text
    kMsgSystemScheme,      // text alone
    kMsgInstallAll,        // text alone
    kMsgWriteFailed,       // English: text, name; Japanese: name, text
    kMsgCopyFailed,        // English: text, name; Japanese: name, text
    kMsgPatternTooLong,    // English: text, name; Japanese: name, text
    kMsgUnstorableName,    // English: text, name; Japanese: name, text
    kMsgThemeWithoutColors,  // English: text, name; Japanese: name, text
    kMsgSettingsBusy,      // English: text, name; Japanese: name, text
    kMsgWallpaperRefused,  // the name in place of the "%s" of its format
    // Shown in English in every edition.
    kMsgNoFileName,        // "NO FILE NAME!!!"
    kMsgCantDelete,        // "Can't delete the file"
    kMsgNoColorsSection,
    kMsgNotColorSet,
    kMsgInternalNotFound,  // the name in place of the "%s" of its format
    // A format of the string table, the name in place of its "%s".
    kMsgWallpaperMissing,
    kMessageKeyCount
};

// The text of a message for an edition; empty for a string-table message.
const char *MessageText(MessageKey key, Edition edition);
// The string-table id of a message's format for an edition; 0 when the
// message is held in code.
int MessageStringId(MessageKey key, Edition edition);
// The message with the name placed as the key's composition says. The result
// is display text: cut at the buffer (on a character boundary) if need be.
void ComposeMessage(MessageKey key, Edition edition, const char *name, char *out, size_t cap);
// "Can't rename from TEMP to DEST" / "TEMP から DEST にファイル名を変更できません。"
void ComposeRenameFailed(Edition edition, const char *tempName, const char *dest, char *out, size_t cap);
// Replaces the first "%s" of a format with the name.
void FormatWithName(const char *format, const char *name, char *out, size_t cap);

// Literals that are not messages.
extern const char kWallpaperNoneEnglish[];   // "(none)"
extern const char kWallpaperNoneJapanese[];  // "(なし)"
extern const char kOwnersFileName[];         // "owners.col"
extern const char kOwnersTitleEnglish[];     // "Owners Default Color"
extern const char kOwnersTitleJapanese[];    // "オーナー・デフォルト"
