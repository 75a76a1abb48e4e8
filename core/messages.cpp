#include "messages.h"

#include <string.h>

#include "mbtext.h"

namespace {

struct Message {
    const char *english;
    const char *japanese;  // null: the English text in every edition
    MessageCaption caption;
};

// In the order of MessageId. The English delete question carries the
// Shift-JIS full stop "。" (0x81 0x42) after "file", in every code page.
const Message kMessages[kMessageCount] = {
    {"%s is already exit. Shall I replace the file?", "%sがすでにあります。置き換えますか？", kCaptionTitle},
    {"Wild Characters are included in file name.", "ファイル名にワイルドカード文字が含まれています", kCaptionTitle},
    {"Out of memory", "メモリーが足りません", kCaptionIsText},
    {"Can't rename from %s to %s", "%s から %sにファイル名を変更できません。", kCaptionTitle},
    {"Can't find file: %s", "%sが見つかりません。", kCaptionTitle},
    {"Can't save file: %s", "%sをセーブできません。", kCaptionTitle},
    {"Can't access file: %s", "%sにアクセスできません。", kCaptionTitle},
    {"Unrecognized syntax ecounterd in file", "ファイル中に不正な項目があります。", kCaptionTitle},
    {"%s\n Now we are going to delete this color-setting file。\n  Are you right?",
     "%s\n　このカラーセット・ファイルを削除します。\n　よろしいですか？", kCaptionTitle},
    {"Do you want to save 'current system color setteing'?", "現在の色設定をファイルに保存しますか？", kCaptionTitle},
    {"%s is already installed. Overwrite?", "%s はすでに登録されています。オーバーライトしますか？", kCaptionTitle},
    {"It's a system color, already in system.", "システムカラーです。すでにシステムに登録されています", kCaptionTitle},
    {"I'll add all lumivane files into system.\nAre you shure?",
     "全てのるみべいんデータをシステムに登録します。\nよろしいですか？", kCaptionTitle},
    {"Can't write the settings into %s", "%sに設定を書き込めません。", kCaptionTitle},
    {"Can't copy file: %s", "%sをコピーできません。", kCaptionTitle},
    {"The file pattern is too long: %s", "%sはパターンとして長すぎます。", kCaptionTitle},
    {"Can't install this file name into system: %s", "%s はシステムに登録できないファイル名です。", kCaptionTitle},
    {"No system colors to use in theme file: %s", "%sには使えるシステムカラーがありません。", kCaptionTitle},
    {"The settings are locked by another program. Nothing was written into %s",
     "%sは他のプログラムがロックしているため、何も書き込みませんでした。", kCaptionTitle},
    {"Wall Paper File %s not Found", "壁紙ファイル %s が見つかりません。", kCaptionTitle},
    {"Wall Paper File %s can't be set as Wall Paper", "壁紙ファイル %s を壁紙にできません。", kCaptionTitle},
    {"%s has been changed since the editor read it. Write over it?",
     "%sはエディタで読み込んだ後に変更されています。上書きしますか？", kCaptionTitle},
    {"%s has been deleted or moved since the editor read it. Save it there again?",
     "%sはエディタで読み込んだ後に削除または移動されています。もう一度保管しますか？", kCaptionTitle},
    {"NO FILE NAME!!!", nullptr, kCaptionDefault},
    {"Can't delete the file", nullptr, kCaptionTitle},
    {"Internal Error, Can't find COLORS section in file", nullptr, kCaptionTitle},
    {"Internal Error, not color-set file", nullptr, kCaptionTitle},
    {"INTERNAL ERROR, File %s not found", nullptr, kCaptionTitle},
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
