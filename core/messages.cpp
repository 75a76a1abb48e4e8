#include "messages.h"

#include <string.h>

#include "../resources/resource.h"
#include "mbtext.h"

namespace {

enum Composition { kTextAlone, kNameFirst, kTextFirstInEnglish, kFormat };

struct Message {
    const char *english;
    const char *japanese;
    Composition composition;
    int englishId = 0;  // a string-table format instead of the texts
    int japaneseId = 0;
};

// Japanese texts are Shift-JIS bytes; the comment gives each in plain text.
const Message kMessages[kMessageKeyCount] = {
    // がすでにあります。置き換えますか？
    {" is already exit. Shall I replace the file?",
     "\x82\xAA\x82\xB7\x82\xC5\x82\xC9\x82\xA0\x82\xE8\x82\xDC\x82\xB7\x81\x42\x92\x75\x82\xAB"
     "\x8A\xB7\x82\xA6\x82\xDC\x82\xB7\x82\xA9\x81\x48",
     kNameFirst},
    // ファイル名にワイルドカード文字が含まれています
    {"Wild Characters are included in file name.",
     "\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x82\xC9\x83\x8F\x83\x43\x83\x8B\x83\x68\x83\x4A"
     "\x81\x5B\x83\x68\x95\xB6\x8E\x9A\x82\xAA\x8A\xDC\x82\xDC\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB7",
     kTextAlone},
    // メモリーが足りません
    {"Out of memory", "\x83\x81\x83\x82\x83\x8A\x81\x5B\x82\xAA\x91\xAB\x82\xE8\x82\xDC\x82\xB9\x82\xF1",
     kTextAlone},
    // が見つかりません。
    {"Can't find file: ", "\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42",
     kTextFirstInEnglish},
    // をセーブできません。
    {"Can't save file: ", "\x82\xF0\x83\x5A\x81\x5B\x83\x75\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42",
     kTextFirstInEnglish},
    // にアクセスできません。
    {"Can't access file: ",
     "\x82\xC9\x83\x41\x83\x4E\x83\x5A\x83\x58\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42",
     kTextFirstInEnglish},
    // ファイル中に不正な項目があります。
    {"Unrecognized syntax ecounterd in file",
     "\x83\x74\x83\x40\x83\x43\x83\x8B\x92\x86\x82\xC9\x95\x73\x90\xB3\x82\xC8\x8D\x80\x96\xDA\x82\xAA"
     "\x82\xA0\x82\xE8\x82\xDC\x82\xB7\x81\x42",
     kTextAlone},
    // (LF)　このカラーセット・ファイルを削除します。(LF)　よろしいですか？
    // The English text carries the Shift-JIS full stop 0x81 0x42 after "file".
    {"\n Now we are going to delete this color-setting file\x81\x42\n  Are you right?",
     "\n\x81\x40\x82\xB1\x82\xCC\x83\x4A\x83\x89\x81\x5B\x83\x5A\x83\x62\x83\x67\x81\x45\x83\x74\x83\x40"
     "\x83\x43\x83\x8B\x82\xF0\x8D\xED\x8F\x9C\x82\xB5\x82\xDC\x82\xB7\x81\x42\n\x81\x40\x82\xE6\x82\xEB"
     "\x82\xB5\x82\xA2\x82\xC5\x82\xB7\x82\xA9\x81\x48",
     kNameFirst},
    // 現在の色設定をファイルに保存しますか？
    {"Do you want to save 'current system color setteing'?",
     "\x8C\xBB\x8D\xDD\x82\xCC\x90\x46\x90\xDD\x92\xE8\x82\xF0\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xC9"
     "\x95\xDB\x91\xB6\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81\x48",
     kTextAlone},
    //  はすでに登録されています。オーバーライトしますか？
    {" is already installed. Overwrite?",
     "\x20\x82\xCD\x82\xB7\x82\xC5\x82\xC9\x93\x6F\x98\x5E\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB7"
     "\x81\x42\x83\x49\x81\x5B\x83\x6F\x81\x5B\x83\x89\x83\x43\x83\x67\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81\x48",
     kNameFirst},
    // システムカラーです。すでにシステムに登録されています
    {"It's a system color, already in system.",
     "\x83\x56\x83\x58\x83\x65\x83\x80\x83\x4A\x83\x89\x81\x5B\x82\xC5\x82\xB7\x81\x42\x82\xB7\x82\xC5"
     "\x82\xC9\x83\x56\x83\x58\x83\x65\x83\x80\x82\xC9\x93\x6F\x98\x5E\x82\xB3\x82\xEA\x82\xC4\x82\xA2"
     "\x82\xDC\x82\xB7",
     kTextAlone},
    // 全てのるみべいんデータをシステムに登録します。(LF)よろしいですか？
    {"I'll add all lumivane files into system.\nAre you shure?",
     "\x91\x53\x82\xC4\x82\xCC\x82\xE9\x82\xDD\x82\xD7\x82\xA2\x82\xF1\x83\x66\x81\x5B\x83\x5E\x82\xF0"
     "\x83\x56\x83\x58\x83\x65\x83\x80\x82\xC9\x93\x6F\x98\x5E\x82\xB5\x82\xDC\x82\xB7\x81\x42\n\x82\xE6"
     "\x82\xEB\x82\xB5\x82\xA2\x82\xC5\x82\xB7\x82\xA9\x81\x48",
     kTextAlone},
    // に設定を書き込めません。
    {"Can't write the settings into ",
     "\x82\xC9\x90\xDD\x92\xE8\x82\xF0\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x81\x42",
     kTextFirstInEnglish},
    // をコピーできません。
    {"Can't copy file: ", "\x82\xF0\x83\x52\x83\x73\x81\x5B\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42",
     kTextFirstInEnglish},
    // はパターンとして長すぎます。
    {"The file pattern is too long: ",
     "\x82\xCD\x83\x70\x83\x5E\x81\x5B\x83\x93\x82\xC6\x82\xB5\x82\xC4\x92\xB7\x82\xB7\x82\xAC\x82\xDC"
     "\x82\xB7\x81\x42",
     kTextFirstInEnglish},
    //  はシステムに登録できないファイル名です。
    {"Can't install this file name into system: ",
     "\x20\x82\xCD\x83\x56\x83\x58\x83\x65\x83\x80\x82\xC9\x93\x6F\x98\x5E\x82\xC5\x82\xAB\x82\xC8\x82"
     "\xA2\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x82\xC5\x82\xB7\x81\x42",
     kTextFirstInEnglish},
    // には使えるシステムカラーがありません。
    {"No system colors to use in theme file: ",
     "\x82\xC9\x82\xCD\x8E\x67\x82\xA6\x82\xE9\x83\x56\x83\x58\x83\x65\x83\x80\x83\x4A\x83\x89"
     "\x81\x5B\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42",
     kTextFirstInEnglish},
    // は他のプログラムがロックしているため、何も書き込みませんでした。
    {"The settings are locked by another program. Nothing was written into ",
     "\x82\xCD\x91\xBC\x82\xCC\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xAA\x83\x8D\x83\x62\x83\x4E\x82\xB5"
     "\x82\xC4\x82\xA2\x82\xE9\x82\xBD\x82\xDF\x81\x41\x89\xBD\x82\xE0\x8F\x91\x82\xAB\x8D\x9E\x82\xDD\x82\xDC"
     "\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42",
     kTextFirstInEnglish},
    // 壁紙ファイル %s を壁紙にできません。
    {"Wall Paper File %s can't be set as Wall Paper",
     "\x95\xC7\x8E\x86\x83\x74\x83\x40\x83\x43\x83\x8B\x20\x25\x73\x20\x82\xF0\x95\xC7\x8E\x86\x82\xC9\x82\xC5"
     "\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42",
     kFormat},
    {"NO FILE NAME!!!", "NO FILE NAME!!!", kTextAlone},
    {"Can't delete the file", "Can't delete the file", kTextAlone},
    {"Internal Error, Can't find COLORS section in file", "Internal Error, Can't find COLORS section in file",
     kTextAlone},
    {"Internal Error, not color-set file", "Internal Error, not color-set file", kTextAlone},
    {"INTERNAL ERROR, File %s not found", "INTERNAL ERROR, File %s not found", kFormat},
    {"", "", kFormat, IDS_WALLPAPER_MISSING_EN, IDS_WALLPAPER_MISSING_JA},
};

bool IsEnglish(Edition edition) { return kEditions[edition].english; }

// Appends what fits, never splitting a double-byte character. False when
// the text had to be cut: nothing may follow a cut, or the message would
// lose characters from its middle.
bool AppendCut(char *out, size_t cap, const char *text) {
    size_t have = strnlen(out, cap);
    if (have + 1 >= cap) return *text == '\0';
    CopyTextCut(out + have, cap - have, text);
    return text[strlen(out + have)] == '\0';
}

}  // namespace

const char kWallpaperNoneEnglish[] = "(none)";
const char kWallpaperNoneJapanese[] = "\x28\x82\xC8\x82\xB5\x29";  // (なし)
const char kOwnersFileName[] = "owners.col";
const char kOwnersTitleEnglish[] = "Owners Default Color";
// オーナー・デフォルト
const char kOwnersTitleJapanese[] = "\x83\x49\x81\x5B\x83\x69\x81\x5B\x81\x45\x83\x66\x83\x74\x83\x48\x83\x8B\x83\x67";

const char *MessageText(MessageKey key, Edition edition) {
    if (key < 0 || key >= kMessageKeyCount) return "";
    return IsEnglish(edition) ? kMessages[key].english : kMessages[key].japanese;
}

int MessageStringId(MessageKey key, Edition edition) {
    if (key < 0 || key >= kMessageKeyCount) return 0;
    return IsEnglish(edition) ? kMessages[key].englishId : kMessages[key].japaneseId;
}

void ComposeMessage(MessageKey key, Edition edition, const char *name, char *out, size_t cap) {
    if (cap == 0) return;
    out[0] = '\0';
    const char *text = MessageText(key, edition);
    Composition how = (key >= 0 && key < kMessageKeyCount) ? kMessages[key].composition : kTextAlone;
    if (!name) name = "";
    switch (how) {
    case kTextAlone:
        AppendCut(out, cap, text);
        break;
    case kNameFirst:
        if (AppendCut(out, cap, name)) AppendCut(out, cap, text);
        break;
    case kTextFirstInEnglish:
        if (IsEnglish(edition)) {
            if (AppendCut(out, cap, text)) AppendCut(out, cap, name);
        } else {
            if (AppendCut(out, cap, name)) AppendCut(out, cap, text);
        }
        break;
    case kFormat:
        FormatWithName(text, name, out, cap);
        break;
    }
}

void ComposeRenameFailed(Edition edition, const char *tempName, const char *dest, char *out, size_t cap) {
    if (cap == 0) return;
    out[0] = '\0';
    if (IsEnglish(edition)) {
        if (AppendCut(out, cap, "Can't rename from ") && AppendCut(out, cap, tempName) && AppendCut(out, cap, " to "))
            AppendCut(out, cap, dest);
    } else {
        if (AppendCut(out, cap, tempName) && AppendCut(out, cap, "\x20\x82\xA9\x82\xE7\x20") &&  //  から
            AppendCut(out, cap, dest))
            // にファイル名を変更できません。
            AppendCut(out, cap,
                  "\x82\xC9\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x82\xF0\x95\xCF\x8D\x58\x82\xC5\x82\xAB"
                  "\x82\xDC\x82\xB9\x82\xF1\x81\x42");
    }
}

void FormatWithName(const char *format, const char *name, char *out, size_t cap) {
    if (cap == 0) return;
    out[0] = '\0';
    const char *at = strstr(format, "%s");
    if (!at) {
        AppendCut(out, cap, format);
        return;
    }
    // The part before "%s", cut on a character boundary if need be.
    const char *headEnd = format;
    while (headEnd < at) {
        const char *n = NextChar(headEnd);
        if (n > at || (size_t)(n - format) + 1 > cap) break;
        headEnd = n;
    }
    memcpy(out, format, (size_t)(headEnd - format));
    out[headEnd - format] = '\0';
    if (headEnd == at && AppendCut(out, cap, name ? name : "")) AppendCut(out, cap, at + 2);
}
