#include "check/messages.h"

namespace {

const Messages English = {
    "Dovrink self-check {1}, code page {2}",
    "Usage: dovrink-check [/show] [FILE]\n"
    "\n"
    "Checks the settings of the Dovrink plugin as the plugin reads them and, for the text of an\n"
    "issue, what the plugin makes of it: whether it is an issue, and for each keyword where it\n"
    "stands and why a section does not show.\n"
    "\n"
    "  FILE   a message text saved from the mail client (ANSI, UTF-8 or UTF-16, as Notepad\n"
    "         saves them); also by dropping the file onto dovrink-check.exe. Without it, the\n"
    "         text on the clipboard: open the issue, select all of it, copy, and run the check.\n"
    "  /show  then shows the boxes of that text as the plugin would.\n"
    "\n"
    "Put dovrink-check.exe in the mail client's plugins folder, beside dovrink.dll.",
    "dovrink-check takes one file and /show, not {1}. dovrink-check /? tells how to use it.",

    "Where the plugin reads its settings",
    "  Keywords (keyword0 to keyword8): dovrink.ini in the plugins folder beside the mail "
    "client's program",
    "  separator and line: plugins\\dovrink.ini under the mail client's working folder, which is "
    "the client's own folder when it starts from its usual shortcut",
    "    {1}\n      saved {2}",
    "    {1}\n      no such file: no keyword is set, so nothing is shown",
    "    {1}\n      no such file: the separator {2} and {3} lines a box hold",
    "    The path of this folder is too long: the plugin reads no keywords.",
    "  dovrink.dll is in this folder.",
    "  dovrink.dll is not in this folder: put it here, beside dovrink-check.exe.",
    "  Note: dovrink-check.exe is not in a folder named plugins. The mail client reads the "
    "settings of the plugins folder beside its program: put dovrink-check.exe there, beside "
    "dovrink.dll, to check those.",
    "in code page {1}",
    "as UTF-8",
    "as UTF-8 with a byte-order mark",
    "as UTF-16",

    "The settings as the plugin reads them",
    "  {1}. {2}  {3}  (box caption {4})",
    "  No keyword is set (keyword0 to keyword8): nothing will be shown.",
    "  separator  {1}  (a section ends before the first line that starts with it)",
    "  line       {1} lines a box",
    "  Mistake: {1}",
    "  No mistakes found.",
    "{1} has {2} bytes or fewer: a box caption leaves out the first {2}, so its boxes have none.",
    "{1} is never read: only keyword0 to keyword{2} count.",
    "line reads as {1}, below {2}: boxes hold {3} lines instead.",
    "{1} holds {2}, which code page {3} has no place for: it never matches a mail. Write it "
    "without that character.",
    "{1} is not UTF-8, though the file's byte-order mark says it is: it never matches a mail. "
    "Save the file again, as UTF-8 or in code page {2}.",
    "{1} looks like UTF-8, but the file is not UTF-8 throughout, so it is read in code page {2} "
    "and never matches a mail: save the whole file as UTF-8, or in code page {2}.",
    "{1} holds bytes that are not text in code page {2}.",

    "The text on the clipboard ({1} bytes, {2} lines)",
    "The text of {1} (saved {2}; {3} bytes, {4} lines)",
    "The clipboard holds no text. To check an issue, open it in the mail client, select all of "
    "it (Ctrl+A), copy it (Ctrl+C) and run dovrink-check.exe again; or drop a saved message "
    "text onto dovrink-check.exe.",
    "Cannot read {1}.",
    "{1} is larger than {2} MB: that is no message text.",
    "  {1} characters that code page {2} cannot hold became \"?\".",
    "  A saved mail with its headers: the plugin sees its body only, from line {1} on.",
    "  Its body is encoded ({1}), which this check does not read: open the issue in the mail "
    "client, select all of it, copy it, and run the check again.",
    "  An issue: \"{1}\" stands within the first {2} bytes (line {3}).",
    "  Not an issue: \"{1}\" first stands at byte {2} (line {3}), past the first {4} bytes, "
    "where the plugin looks. The plugin shows nothing for this text.",
    "  Not an issue: \"{1}\" is not in the text. The plugin shows nothing for it.",
    "  Were it an issue, the keywords would fare so:",
    "  {1}. {2} {3}: found at line {4}, shown in {5}",
    "  {1}. {2} {3}: not found",
    "  {1}. {2} {3}: found at line {4}, but no separator line follows it",
    "  {1}. {2} {3}: found at line {4}, but its section is too short to show anything",
    "  The plugin shows {1} for this text.",
    "  The plugin shows no box for this text.",
    "1 box",
    "{1} boxes",

    "Show the boxes as the plugin would? [Y/N] ",
    "Press any key to close this window.",
};

const Messages Japanese = {
    "Dovrink セルフチェック {1}、コードページ {2}",
    "使い方: dovrink-check [/show] [ファイル]\n"
    "\n"
    "Dovrink プラグインの設定をプラグインと同じように読んで確かめ、号の文章について、\n"
    "号として扱われるか、各キーワードがどこにあるか、節が表示されない理由を示します。\n"
    "\n"
    "  ファイル  メールソフトから保存したメールの文章 (ANSI、UTF-8、UTF-16 のどれでも\n"
    "            かまいません)。dovrink-check.exe にファイルをドロップしても使えます。\n"
    "            省略すると、クリップボードの文章を確かめます。号を開いて全体を選択し、\n"
    "            コピーしてから実行してください。\n"
    "  /show     確かめたあと、プラグインと同じボックスを表示します。\n"
    "\n"
    "dovrink-check.exe は、メールソフトの plugins フォルダーに dovrink.dll と並べて置いて"
    "ください。",
    "{1} は使えません。dovrink-check に渡せるのは、ファイル 1 つと /show だけです。使い方は "
    "dovrink-check /? で表示されます。",

    "プラグインが設定を読む場所",
    "  キーワード (keyword0～keyword8): メールソフト本体の横にある plugins フォルダーの "
    "dovrink.ini",
    "  separator と line: メールソフトの作業フォルダーの下の plugins\\dovrink.ini "
    "(いつものショートカットから起動したときは、メールソフト本体のフォルダーです)",
    "    {1}\n      {2}で保存されています",
    "    {1}\n      ファイルがありません。キーワードがないので、何も表示されません",
    "    {1}\n      ファイルがありません。区切りは {2}、1 画面 {3} 行になります",
    "    このフォルダーのパスが長すぎるため、プラグインはキーワードを読めません。",
    "  dovrink.dll はこのフォルダーにあります。",
    "  dovrink.dll がこのフォルダーにありません。dovrink-check.exe と同じフォルダーに置いて"
    "ください。",
    "  注意: dovrink-check.exe が plugins という名前のフォルダーにありません。メールソフトは"
    "本体の横の plugins フォルダーの設定を読みます。その設定を確かめるには、"
    "dovrink-check.exe を dovrink.dll と並べてそこに置いてください。",
    "Shift_JIS (コードページ {1}) ",
    "UTF-8 ",
    "UTF-8 (BOM 付き) ",
    "UTF-16 ",

    "プラグインが読んだ設定",
    "  {1}. {2}  {3}  (ボックスの題名 {4})",
    "  キーワード (keyword0～keyword8) がありません。何も表示されません。",
    "  separator  {1}  (節は、これで始まる最初の行の手前で終わります)",
    "  line       1 画面 {1} 行",
    "  間違い: {1}",
    "  よくある間違いは見つかりませんでした。",
    "{1} が {2} バイト以下です。ボックスの題名はキーワードの先頭 {2} バイトを除いたものなので、"
    "題名がありません。",
    "{1} は読まれません。使えるのは keyword0～keyword{2} だけです。",
    "line が {1} で {2} より小さいため、1 画面 {3} 行になります。",
    "{1} に Shift_JIS (コードページ {3}) にない文字 {2} があります。メールと一致することは"
    "ありません。この文字を使わずに書いてください。",
    "ファイルの先頭に UTF-8 の印 (BOM) がありますが、{1} は UTF-8 ではありません。メールと"
    "一致しません。UTF-8 か Shift_JIS (コードページ {2}) で保存し直してください。",
    "{1} は UTF-8 のようですが、ファイル全体が UTF-8 ではないため Shift_JIS (コードページ "
    "{2}) として読まれ、メールと一致しません。ファイル全体を UTF-8 か Shift_JIS で保存し直して"
    "ください。",
    "{1} に Shift_JIS (コードページ {2}) の文字でないバイトがあります。",

    "クリップボードの文章 ({1} バイト、{2} 行)",
    "{1} の文章 ({2}で保存、{3} バイト、{4} 行)",
    "クリップボードに文章がありません。号を確かめるには、メールソフトで号を開き、全体を選択"
    "して (Ctrl+A) コピーし (Ctrl+C)、もう一度 dovrink-check.exe を実行してください。保存した"
    "メールの文章を dovrink-check.exe にドロップしてもかまいません。",
    "{1} を読めません。",
    "{1} は {2} MB より大きいため、メールの文章ではありません。",
    "  コードページ {2} にない {1} 文字を「?」にしました。",
    "  ヘッダー付きで保存したメールです。プラグインが見るのは本文だけで、本文は {1} 行目から"
    "です。",
    "  本文が符号化 ({1}) されているため、確かめられません。メールソフトで号を開き、全体を"
    "選択してコピーしてから、もう一度実行してください。",
    "  号として扱われます: 「{1}」が先頭 {2} バイトの中 ({3} 行目) にあります。",
    "  号として扱われません: 「{1}」が最初に現れるのは {2} バイト目 ({3} 行目) で、"
    "プラグインが見る先頭 {4} バイトより後ろです。この文章では何も表示されません。",
    "  号として扱われません: 文章に「{1}」がありません。何も表示されません。",
    "  号として扱われたとすると、キーワードは次のとおりです:",
    "  {1}. {2} {3}: {4} 行目にあります。{5}で表示されます",
    "  {1}. {2} {3}: 見つかりません",
    "  {1}. {2} {3}: {4} 行目にありますが、その後に区切りの行がありません",
    "  {1}. {2} {3}: {4} 行目にありますが、節が短すぎて何も表示されません",
    "  この文章では、{1}が表示されます。",
    "  この文章では、ボックスは表示されません。",
    "ボックス 1 個",
    "ボックス {1} 個",

    "プラグインと同じボックスを表示しますか? [Y/N] ",
    "何かキーを押すと、このウィンドウを閉じます。",
};

} // namespace

const char *SavedAs(const Messages &say, SettingsEncoding encoding) {
    switch (encoding) {
    case SettingsEncoding::Utf8:
        return say.Utf8;
    case SettingsEncoding::Utf8WithMark:
        return say.Utf8WithMark;
    case SettingsEncoding::Utf16LittleEndian:
    case SettingsEncoding::Utf16BigEndian:
        return say.Utf16;
    case SettingsEncoding::Ansi:
        return say.CodePage;
    }
    return say.CodePage;
}

const Messages &MessagesFor(unsigned codePage) { return codePage == 932 ? Japanese : English; }

std::string Fill(const char *pattern, std::initializer_list<std::string> values) {
    std::string filled;
    for (const char *at = pattern; *at != '\0'; ++at) {
        const bool slot = at[0] == '{' && at[1] >= '1' && at[1] <= '9' && at[2] == '}';
        const auto index = slot ? static_cast<size_t>(at[1] - '1') : values.size();
        if (index < values.size()) {
            filled += values.begin()[index];
            at += 2;
        } else {
            filled += *at;
        }
    }
    return filled;
}
