// The catalogue of the program's messages: every box it shows but the
// string table's texts (About, the greeting, Fix's question). Each message is
// held in English, for the English edition, and in Japanese, for the
// Japanese ones (Shift-JIS: the source is UTF-8, compiled to code page 932),
// as a format in which each "%s" stands for a name, in the order given.
// Pure code.
#pragma once
#include <stddef.h>

#include "edition.h"

enum MessageId {
    kMsgReplace,           // NAME is already there: replace it?
    kMsgWildcard,          // a wildcard in a name to save
    kMsgOutOfMemory,       // the caption of the out-of-memory box
    kMsgRenameFailed,      // TEMP could not become DESTINATION
    kMsgSourceMissing,     // the file to import is not there
    kMsgSaveFailed,        // a file could not be written
    kMsgOpenFailed,        // a file could not be opened
    kMsgBadLine,           // a color line names no element
    kMsgDeleteQuestion,    // ENTRY: delete its file?
    kMsgFirstRun,          // save the colors now on screen?
    kMsgInstalledAlready,  // SCHEME exists: overwrite it?
    kMsgSystemScheme,      // a control-panel scheme cannot be installed
    kMsgInstallAll,        // every file will be installed
    kMsgWriteFailed,       // a profile file could not be written
    kMsgCopyFailed,        // a file to import could not be copied
    kMsgPatternTooLong,    // a typed pattern does not fit
    kMsgUnstorableName,    // a name the profile cannot hold as a key
    kMsgThemeWithoutColors,
    kMsgSettingsBusy,      // another program holds the profile lock
    kMsgWallpaperMissing,  // the same text as strings 48 and 49
    kMsgWallpaperRefused,  // not a picture the desktop can show
    kMsgChangedOnDisk,     // the file the editor saves has changed meanwhile
    kMsgGoneFromDisk,      // the file the editor saves has been removed meanwhile
    // The same English text in every edition.
    kMsgNoFileName,
    kMsgCantDelete,
    kMsgNoColorsSection,
    kMsgNotColorSet,
    kMsgInternalNotFound,
    kMessageCount
};

// Where a message's text goes in its box.
enum MessageCaption {
    kCaptionTitle,     // the text, captioned with the edition's TitleString
    kCaptionDefault,   // the text without a caption: the platform's own shows
    kCaptionIsText,    // the text as the caption, TitleString as the body
};

// The buttons and icon of a message's box (the messages layer gives each
// its flags).
enum MessageBoxStyle {
    kBoxOk,             // OK alone, no icon
    kBoxError,          // OK, the error icon
    kBoxOkQuestion,     // OK, the question icon
    kBoxYesNo,          // Yes and No, no icon
    kBoxYesNoQuestion,  // Yes and No, the question icon
    kBoxYesNoCancel,    // Yes, No and Cancel, no icon
};

const char *MessageFormat(MessageId id, Edition edition);
MessageCaption MessageCaptionOf(MessageId id);
MessageBoxStyle MessageBoxStyleOf(MessageId id);

// The format with "%s" replaced by first, then by second (a null name reads
// as empty; a "%s" past the names stays as it is). Display text: cut at the
// buffer between two characters when it does not fit, and nothing follows a
// cut.
void ComposeMessage(const char *format, const char *first, const char *second, char *out, size_t cap);
