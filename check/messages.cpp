#include "check/messages.h"

namespace {

const Messages English = {
    "Dovrink self-check {1}, code page {2}",
    "Usage: dovrink-check [/show] [FILE]\n"
    "       dovrink-check /setup [FILE or FOLDER ...]\n"
    "\n"
    "Checks the settings of the Dovrink plugin as the plugin reads them and, for the text of an "
    "issue, what the plugin makes of it: whether it is an issue, and for each keyword where it "
    "stands, how many boxes its section shows, and what shows wrong, with a fix checked on the "
    "same text.\n"
    "\n"
    "  FILE    a saved mail (.eml, as the mail client saves it) or a message text saved from it "
    "(ANSI, UTF-8 or UTF-16, as Notepad saves them); also by dropping the file onto "
    "dovrink-check.exe. Without it, the text on the clipboard: open the issue, select all of it, "
    "copy, and run the check.\n"
    "  /show   then shows the boxes of that text as the plugin would.\n"
    "  /setup  makes the settings from that issue, or from several issues of the newsletter "
    "(files, or folders of saved mails): proposes the sections that recur and a separator, "
    "checked with the plugin's own code on every issue, asks which to show, and writes "
    "{7} beside this program (the old one kept as {7}.bak). Answers may be piped "
    "in.\n"
    "\n"
    "Exit status: {1} when boxes show (or no text was given), {2} when they show but a mistake or "
    "a warning was told, {3} for an issue that shows no box, {4} when the text is no issue, {5} "
    "when the file cannot be read, {6} for a wrong argument.\n"
    "\n"
    "Put dovrink-check.exe in the mail client's plugins folder, beside dovrink.dll.",
    "dovrink-check takes one file and /show, or /setup with files and folders, not {1}. "
    "dovrink-check /? tells how to use it.",

    "Where the plugin reads its settings",
    "  Keywords (keyword0 to keyword8): {1} in the plugins folder beside the mail "
    "client's program",
    "  separator and line: {1} under the mail client's working folder, which is "
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
    "as a mail",

    "The settings as the plugin reads them",
    "  {1}. {2}  {3}  (box caption {4})",
    "  {1}. {2}  {3}  (not read as written: see the mistake below)",
    "  No keyword is set (keyword0 to keyword8): nothing will be shown.",
    "  separator  {1}  (a section ends before the first line that starts with it)",
    "  line       {1} lines a box",

    "The text on the clipboard ({1} bytes, {2} lines)",
    "The text of {1} (saved {2}; {3} bytes, {4} lines)",
    "The clipboard holds no text. To check an issue, open it in the mail client, select all of "
    "it (Ctrl+A), copy it (Ctrl+C) and run dovrink-check.exe again; or drop a saved mail (.eml) "
    "onto dovrink-check.exe.",
    "the clipboard",
    "Cannot read {1}.",
    "{1} is larger than {2} MB: that is no message text.",
    "  {1} characters that code page {2} cannot hold became \"?\".",
    "  A saved mail: the plugin sees its body only, which starts at line {1}.",
    "  The copied text opens with header lines: the plugin sees the body only, which starts at "
    "line {1}. Line numbers count from the top of what was copied.",
    "  The saved text opens with header lines: the plugin sees the body only, which starts at "
    "line {1}. Line numbers count from the top of the file.",
    "  Line numbers count from the top of the file.",
    "  Its text ({1}) is read as the mail client shows it.",
    "  Line numbers count from the top of its text as the mail client shows it.",
    "  It has no plain text part ({1}) for this check to read: open the issue in the mail client, "
    "select all of it, copy it, and run the check again.",
    "  Its text is sent as {1}, which this check does not read: open the issue in the mail "
    "client, select all of it, copy it, and run the check again.",
    "  It has no plain text: its HTML source is the text the plugin is handed, tags and all, as a "
    "client without an HTML view shows it.",
    "  It was forwarded as an attachment: the attached message's text is read, which the client "
    "shows once the attachment is opened.",
    "  A message is attached to it: the text around it is read, as the client shows it; the "
    "attached message is not opened.",
    "  Its text is sent as format=flowed: its lines are handed over as sent, not rejoined.",
    "  Its charset {1} is a Japanese mail program's name for its variant of {2}: it is read as "
    "{2}, as Japanese mail clients read it.",
    "  Were it an issue, the keywords would fare so:",
    "  The plugin shows {1} for this text.",
    "  The plugin shows no box for this text.",

    "Show the boxes as the plugin would? [Y/N] ",
    "Press any key to close this window.",

    "Settings made from the issue",
    "Make the settings from this issue? [Y/N] ",
    "Numbers of the sections to show (such as 1 3; Enter or A: all that show their text): ",
    "Give numbers from 1 to {1}, or A for all that show their text.",
    "Only 9 keywords can be set: the first 9 of those chosen are written.",
    "Separator [{1}] (Enter keeps it): ",
    "Lines a box [{1}] (Enter keeps it): ",
    "A box holds 5 lines or more: {1} lines it is.",
    "The settings file to write, {1}:",
    "Write it? [Y/N] ",
    "Nothing was written.",
    "Written: {1}.",
    "The old file is kept as {1}.",
    "{1} cannot be written (a folder under Program Files needs the administrator's rights), so "
    "the file is saved as {2}. Copy it into the plugins folder with Explorer, as {3}.",
    "Neither {1} nor {2} can be written: nothing was written.",
    "The issue checked again with the file written:",
    "Restart the mail client: it reads its settings when it starts.",
};

const Messages Japanese = {
    "Dovrink セルフチェック {1}、コードページ {2}",
    "使い方: dovrink-check [/show] [ファイル]\n"
    "        dovrink-check /setup [ファイルまたはフォルダー ...]\n"
    "\n"
    "Dovrink プラグインの設定をプラグインと同じように読んで確かめ、号の文章について、"
    "号として扱われるか、各キーワードがどこにあり記事がボックス何個で表示されるか、"
    "おかしく表示されるところはどこかを、同じ文章で確かめた直し方とともに示します。\n"
    "\n"
    "  ファイル  メールソフトで保存したメール (.eml) か、保存したメールの文章 (ANSI、"
    "UTF-8、UTF-16 のどれでもかまいません)。dovrink-check.exe にファイルを"
    "ドロップしても使えます。省略すると、クリップボードの文章を確かめます。"
    "号を開いて全体を選択し、コピーしてから実行してください。\n"
    "  /show     確かめたあと、プラグインと同じボックスを表示します。\n"
    "  /setup    その号から設定を作ります。同じメールマガジンの号を複数 (ファイルや、保存"
    "したメールのフォルダーで) 渡すと、毎号ある記事から作ります。記事と区切り線を"
    "プラグインと同じ方法ですべての号で確かめて示し、どれを表示するかを聞いて、"
    "この横の {7} に書き込みます (前のファイルは {7}.bak として"
    "残します)。\n"
    "\n"
    "終了コード: {1} ボックスが表示される (または文章がない)、{2} 表示されるが間違いか注意が"
    "ある、{3} 号なのにボックスが表示されない、{4} 号ではない、{5} ファイルを読めない、"
    "{6} 引数が違う。\n"
    "\n"
    "dovrink-check.exe は、メールソフトの plugins フォルダーに dovrink.dll と並べて置いて"
    "ください。",
    "{1} は使えません。dovrink-check に渡せるのは、ファイル 1 つと /show、または /setup と"
    "ファイルやフォルダーだけです。"
    "使い方は dovrink-check /? で表示されます。",

    "プラグインが設定を読む場所",
    "  キーワード (keyword0～keyword8): メールソフト本体の横にある plugins フォルダーの "
    "{1}",
    "  separator と line: メールソフトの作業フォルダーの下の {1} "
    "(いつものショートカットから起動したときは、メールソフト本体のフォルダーです)",
    "    {1}\n      {2}で保存されています",
    "    {1}\n      ファイルがありません。キーワードがないので、何も表示されません",
    "    {1}\n      ファイルがありません。区切りは {2}、1 ボックス {3} 行になります",
    "    このフォルダーのパスが長すぎるため、プラグインはキーワードを読めません。",
    "  dovrink.dll はこのフォルダーにあります。",
    "  dovrink.dll がこのフォルダーにありません。dovrink-check.exe と同じフォルダーに置いて"
    "ください。",
    "  注意: dovrink-check.exe が plugins という名前のフォルダーにありません。メールソフトは"
    "本体の横の plugins フォルダーの設定を読みます。その設定を確かめるには、"
    "dovrink-check.exe を dovrink.dll と並べてそこに置いてください。",
    "メール形式",

    "プラグインが読んだ設定",
    "  {1}. {2}  {3}  (ボックスの題名 {4})",
    "  {1}. {2}  {3}  (書かれたとおりには読まれません。下の「間違い」を見てください)",
    "  キーワード (keyword0～keyword8) がありません。何も表示されません。",
    "  separator  {1}  (記事は、これで始まる最初の行の手前で終わります)",
    "  line       1 ボックス {1} 行",

    "クリップボードの文章 ({1} バイト、{2} 行)",
    "{1} の文章 ({2}で保存、{3} バイト、{4} 行)",
    "クリップボードに文章がありません。号を確かめるには、メールソフトで号を開き、全体を選択"
    "して (Ctrl+A) コピーし (Ctrl+C)、もう一度 dovrink-check.exe を実行してください。保存した"
    "メール (.eml) を dovrink-check.exe にドロップしてもかまいません。",
    "クリップボード",
    "{1} を読めません。",
    "{1} は {2} MB より大きいため、メールの文章ではありません。",
    "  コードページ {2} にない {1} 文字を「?」にしました。",
    "  保存したメールです。プラグインが見るのは本文だけで、本文は {1} 行目からです。",
    "  コピーした文章の先頭にヘッダーの行があります。プラグインが見るのは本文だけで、本文は "
    "{1} 行目からです。行番号は、コピーした文章の先頭から数えます。",
    "  保存した文章の先頭にヘッダーの行があります。プラグインが見るのは本文だけで、本文は "
    "{1} 行目からです。行番号は、ファイルの先頭から数えます。",
    "  行番号は、ファイルの先頭から数えます。",
    "  本文 ({1}) を、メールソフトが表示するとおりに読みました。",
    "  行番号は、メールソフトが表示する本文の先頭から数えます。",
    "  この確認で読めるプレーンテキスト (text/plain) の部分がありません ({1})。メールソフトで号を"
    "開き、全体を選択してコピーしてから、もう一度実行してください。",
    "  本文が {1} で送られていて、この確認では読めません。メールソフトで号を開き、全体を選択"
    "してコピーしてから、もう一度実行してください。",
    "  プレーンテキストの部分がないため、HTML のソースを (タグも含めて) 本文として読みました。"
    "HTML を表示しないメールソフトと同じです。",
    "  添付として転送されたメールです。添付されたメールの本文を読みました。メールソフトでは、"
    "添付を開くと表示されます。",
    "  メールが添付されています。そのまわりの本文を、メールソフトが表示するとおりに読みました。"
    "添付されたメールは開いていません。",
    "  本文は format=flowed で送られています。行はつなげずに、送られたとおりに渡されます。",
    "  文字コード名 {1} は、日本のメールソフトが {2} の変種に付ける名前です。日本のメールソフト"
    "と同じく {2} として読みました。",
    "  号として扱われたとすると、キーワードは次のとおりです:",
    "  この文章では、{1}が表示されます。",
    "  この文章では、ボックスは表示されません。",

    "プラグインと同じボックスを表示しますか? [Y/N] ",
    "何かキーを押すと、このウィンドウを閉じます。",

    "号から作る設定",
    "この号から設定を作りますか? [Y/N] ",
    "表示する記事の番号 (例: 1 3。本文付きで表示されるものすべては Enter か A): ",
    "1 から {1} までの番号か、本文付きで表示されるものすべてなら A を入力してください。",
    "キーワードは 9 個までです。選んだうちの最初の 9 個を書きます。",
    "区切り線 [{1}] (Enter でこのまま): ",
    "1 ボックスの行数 [{1}] (Enter でこのまま): ",
    "1 ボックスは 5 行以上です。{1} 行にします。",
    "次の内容で {1} に書き込みます:",
    "書き込みますか? [Y/N] ",
    "何も書き込みませんでした。",
    "{1} に書き込みました。",
    "前のファイルは {1} として残しました。",
    "{1} に書き込めません (Program Files の中のフォルダーには管理者の権限が要ります)。代わりに "
    "{2} に保存しました。エクスプローラーで plugins フォルダーに {3} という名前でコピー"
    "してください。",
    "{1} にも {2} にも書き込めません。何も書き込みませんでした。",
    "書き込んだ設定で、もう一度確かめます:",
    "メールソフトを起動し直してください。設定は起動したときに読み込まれます。",
};

} // namespace

const char *SavedAs(const Messages &say, SettingsEncoding encoding) {
    return SavedAs(&say == &Japanese ? WordsFor(932) : EnglishWords(), encoding);
}

const Messages &MessagesFor(unsigned codePage) { return codePage == 932 ? Japanese : English; }
