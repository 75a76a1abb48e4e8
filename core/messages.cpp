#include "messages.h"

#include <string.h>

#include "mbtext.h"

namespace {

struct Message {
    const char *english;
    const char *japanese;  // null: the English text in every edition
    MessageCaption caption;
    MessageBoxStyle box;
};

// In the order of MessageId. The English delete question carries the
// Shift-JIS full stop "。" (0x81 0x42) after "file", in every code page.
const Message kMessages[kMessageCount] = {
    {"%s is already exit. Shall I replace the file?", "%sがすでにあります。置き換えますか？", kCaptionTitle, kBoxYesNoQuestion},
    {"Wild Characters are included in file name.", "ファイル名にワイルドカード文字が含まれています", kCaptionTitle, kBoxOkQuestion},
    {"Out of memory", "メモリーが足りません", kCaptionIsText, kBoxError},
    {"Can't rename from %s to %s", "%s から %sにファイル名を変更できません。", kCaptionTitle, kBoxOk},
    {"Can't find file: %s", "%sが見つかりません。", kCaptionTitle, kBoxError},
    {"Can't save file: %s", "%sをセーブできません。", kCaptionTitle, kBoxError},
    {"Can't access file: %s", "%sにアクセスできません。", kCaptionTitle, kBoxError},
    {"Unrecognized syntax ecounterd in file", "ファイル中に不正な項目があります。", kCaptionTitle, kBoxOk},
    {"%s\n Now we are going to delete this color-setting file。\n  Are you right?",
     "%s\n　このカラーセット・ファイルを削除します。\n　よろしいですか？", kCaptionTitle, kBoxYesNoQuestion},
    {"Do you want to save 'current system color setteing'?", "現在の色設定をファイルに保存しますか？", kCaptionTitle, kBoxYesNo},
    {"%s is already installed. Overwrite?", "%s はすでに登録されています。オーバーライトしますか？", kCaptionTitle, kBoxYesNoCancel},
    {"It's a system color, already in system.", "システムカラーです。すでにシステムに登録されています", kCaptionTitle, kBoxOk},
    {"I'll add all lumivane files into system.\nAre you shure?",
     "全てのるみべいんデータをシステムに登録します。\nよろしいですか？", kCaptionTitle, kBoxOk},
    {"Can't write the settings into %s", "%sに設定を書き込めません。", kCaptionTitle, kBoxError},
    {"Can't copy file: %s", "%sをコピーできません。", kCaptionTitle, kBoxError},
    {"The file pattern is too long: %s", "%sはパターンとして長すぎます。", kCaptionTitle, kBoxError},
    {"Can't install this file name into system: %s", "%s はシステムに登録できないファイル名です。", kCaptionTitle, kBoxError},
    {"No system colors to use in theme file: %s", "%sには使えるシステムカラーがありません。", kCaptionTitle, kBoxError},
    {"The settings are locked by another program. Nothing was written into %s",
     "%sは他のプログラムがロックしているため、何も書き込みませんでした。", kCaptionTitle, kBoxError},
    {"Wall Paper File %s not Found", "壁紙ファイル %s が見つかりません。", kCaptionTitle, kBoxError},
    {"Wall Paper File %s can't be set as Wall Paper", "壁紙ファイル %s を壁紙にできません。", kCaptionTitle, kBoxError},
    {"%s has been changed since the editor read it. Write over it?",
     "%sはエディタで読み込んだ後に変更されています。上書きしますか？", kCaptionTitle, kBoxYesNoQuestion},
    {"%s has been deleted or moved since the editor read it. Save it there again?",
     "%sはエディタで読み込んだ後に削除または移動されています。もう一度保管しますか？", kCaptionTitle, kBoxYesNoQuestion},
    {"NO FILE NAME!!!", nullptr, kCaptionDefault, kBoxOkQuestion},
    {"Can't delete the file", nullptr, kCaptionTitle, kBoxOk},
    {"Internal Error, Can't find COLORS section in file", nullptr, kCaptionTitle, kBoxError},
    {"Internal Error, not color-set file", nullptr, kCaptionTitle, kBoxError},
    {"INTERNAL ERROR, File %s not found", nullptr, kCaptionTitle, kBoxError},
};

// Appends what fits, never splitting a double-byte character. False when
// the text had to be cut: nothing may follow a cut, or the message would
// lose characters from its middle.
bool AppendCut(char *out, size_t cap, const char *text, size_t length) {
    size_t have = strnlen(out, cap);
    return CopyCut(out + have, cap - have, text, length);
}

}  // namespace

const char *MessageFormat(MessageId id, Edition edition) {
    const Message &m = kMessages[id];
    return kEditions[edition].english || !m.japanese ? m.english : m.japanese;
}

MessageCaption MessageCaptionOf(MessageId id) { return kMessages[id].caption; }

MessageBoxStyle MessageBoxStyleOf(MessageId id) { return kMessages[id].box; }

void ComposeMessage(const char *format, const char *first, const char *second, char *out, size_t cap) {
    if (cap == 0) return;
    out[0] = '\0';
    const char *names[] = {first ? first : "", second};
    size_t used = 0;
    const char *p = format;
    for (const char *at; used < 2 && names[used] && (at = strstr(p, "%s")) != nullptr; p = at + 2) {
        if (!AppendCut(out, cap, p, (size_t)(at - p)) || !AppendCut(out, cap, names[used], strlen(names[used])))
            return;
        used++;
    }
    AppendCut(out, cap, p, strlen(p));
}
