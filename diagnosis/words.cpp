#include "diagnosis/words.h"

#include "diagnosis/quoted_value.h"
#include "settings/settings.h"
#include "viewer/caption.h"
#include "viewer/issue.h"

namespace {

const Words English = {
    "{1}. {2} {3}: found at line {4}, shown in {5}",
    "{1}. {2} {3}: not found",
    "{1}. {2} {3}: found at line {4}, but no separator line follows it",
    "{1}. {2} {3}: found at line {4}, but its section is too short to show anything",
    "{1}. {2} {3}: found at line {4}, not shown: an earlier box was cancelled",
    "1 box",
    "{1} boxes",

    "An issue: \"{1}\" stands within the first {2} bytes (line {3}).",
    "Not an issue: \"{1}\" stands on line {2}, from its character {3} to its character {4}, and "
    "ends at byte {5} of the text; the plugin takes a text for an issue only when \"{1}\" ends "
    "within its first {6} bytes, so it shows nothing for this one. No setting changes that.",
    "Not an issue: \"{1}\" is not in the text. The plugin shows nothing for it.",

    "{1} has {2} bytes or fewer: a box caption leaves out the first {2}, so its boxes have none.",
    "{1} is never read: only keyword0 to keyword{2} count.",
    "line reads as {1}, below {2}: boxes hold {3} lines instead.",
    "{1} is written {2}, which holds {3}: code page {4} has no place for it, so {1} never "
    "matches a mail.",
    "Write {1} in its place, which looks like it and which code page {2} holds.",
    "Write it without that character.",
    "{1} is not UTF-8, though the file's byte-order mark says it is: it never matches a mail. "
    "Save the file again, as UTF-8 or in code page {2}.",
    "{1} looks like UTF-8, but the file is not UTF-8 throughout, so it is read in code page {2} "
    "and never matches a mail: save the whole file as UTF-8, or in code page {2}.",
    "{1} holds bytes that are not text in code page {2}.",
    "line {1} of the settings file, {2}, is not read: its \"＝\" is the full-width one; write "
    "\"=\" in half-width.",
    "line {1} of the settings file, {2}, is not read: its key is written in full-width letters "
    "or digits; write it in half-width.",
    "line {1} of the settings file, {2}, is not read: its key is none that the plugin reads "
    "(keyword0 to keyword8, separator, line).",
    "line {1} of the settings file, {2}, is not read: it stands above the [dovrink] line, or "
    "under another [ ] line; move it below the [dovrink] line.",
    "line {1} of the settings file, {2}, is not read: it has no \"=\" between its key and its "
    "value.",
    "the settings file has no [dovrink] line, so nothing in it is read: write [dovrink] on a "
    "line of its own above the settings.",
    "the settings file has no [dovrink] line, so nothing in it is read: its line {1}, {2}, comes "
    "close; write it [dovrink].",
    "there is no settings file, but {1} is: Notepad added \".txt\" to its name. Rename it "
    "{2}.",
    "there is no settings file, but {1} is, in the mail client's own folder: move it into the "
    "plugins folder.",

    "{1} {2} (line {3}): the box caption is the keyword less its first {5} bytes, {4}, which "
    "starts inside the heading.",
    "Write {1}={2} instead: the same heading is found, and the caption is {3}.",
    "{1} {2} (line {3}): the separator line comes right after the heading, so its boxes show "
    "the heading alone.",
    "With separator={1}, {2} of the {3} sections found show their text.",
    "{1} {2} stands at lines {3}: its boxes show the first, at line {4}.",
    "To show the heading at line {1}, write {2}={3} (caption {4}).",
    "{1} {2} is not in the text as written, but line {3} has {4}: write {1}={5} (caption {6}).",
    "{1} {2} (line {3}): the separator {4} matches none of the separator lines after it: {5}.",
    "{1} {2} (line {3}) heads a part inside a section, not one of the issue's sections: its boxes "
    "show that part alone. The issue's sections are headed like line {4}.",
    "{1} {2} (line {3}) stands in the text of a section, not at a heading: its boxes start inside "
    "the section. The issue's sections are headed like line {4}.",
    "{1} {2} (line {3}) stands above the first section, in the issue's title: it heads no section. "
    "The issue's sections are headed like line {4}.",
    "{1} {2} (line {3}) stands in the table of contents only, not at a heading: its boxes show the "
    "table of contents. The issue's sections are headed like line {4}.",
    "{1} {2} (line {3}) stands in the footer (the publisher's lines), not at a section's heading.",
    "{1} ({2} characters)",
    ", ",

    "Mistake: {1}",
    "Warning: {1}",
    "No mistakes found.",
    "Things to heed: {1}; see the lines marked Mistake and Warning above.",

    "The sections of this issue, with the captions their boxes will show:",
    "The sections of these {1} issues, with the captions their boxes will show:",
    "{1}. {2}  (line {3}, {4})",
    "{1}. {2}  (in {3} of the {4} issues, shown in {5})",
    "the keyword leaves out the heading's number, which may change from issue to issue",
    "the keyword holds the heading's number {1}: in an issue that numbers it otherwise, it is not "
    "found",
    "the caption leaves out the start of the heading: with this separator, a keyword that keeps "
    "it would end its boxes at once",
    "the keyword starts after the heading's number, which changes from issue to issue, so the "
    "caption leaves out the letters that follow the number",
    "Separator: {1}; with it, {2} of the {3} sections show their text.",
    "Separator: {1}; with it, {2} of the {3} sections show their text in every issue they stand "
    "in.",
    "cannot show with this separator: the separator line comes right after its heading",
    "cannot show with this separator: no separator line follows it",
    "with this separator, its boxes run on into the next section",
    "with this separator, its boxes stop before its text ends",
    "the keyword does not find it: its heading reads otherwise there",
    "in issue {1} ({2}), line {3}: {4}",
    "and in {1} more issues",
    "Headings that change from issue to issue, which no keyword can follow:",
    "issue {1} ({2}), line {3}: {4}",
    "Of the {1} issues given, {2} come from one newsletter, and the settings are made from them. "
    "Set aside as another newsletter's: {3} (the first: {4}).",
    "No headings were found: no lines that open alike (with a mark, a bracket or a number) and "
    "stand apart alike (between rules, under a rule or under empty lines), nor lines that a table "
    "of contents names. Write the settings by hand (see readme.txt).",
    "Every heading found changes from issue to issue: no keyword can follow them, and no section "
    "is proposed.",
    "None of the texts given is an issue (\"{1}\" within its first {2} bytes): there is nothing "
    "to make settings from.",
    "Made from an issue: the keywords are its headings, checked on it.",
    "Made from {1} issues: the keywords are their headings, checked on each.",

    "in code page {1}",
    "as UTF-8",
    "as UTF-8 with a byte-order mark",
    "as UTF-16",
};

const Words Japanese = {
    "{1}. {2} {3}: {4} 行目にあります。{5}で表示されます",
    "{1}. {2} {3}: 見つかりません",
    "{1}. {2} {3}: {4} 行目にありますが、その後に区切り線がありません",
    "{1}. {2} {3}: {4} 行目にありますが、記事が短すぎて何も表示されません",
    "{1}. {2} {3}: {4} 行目にありますが、前のボックスで Cancel が押されたため表示されません",
    "ボックス 1 個",
    "ボックス {1} 個",

    "号として扱われます: 「{1}」が先頭 {2} バイトの中 ({3} 行目) にあります。",
    "号として扱われません: 「{1}」は {2} 行目の {3} 文字目から {4} 文字目までにあり、文章の先頭"
    "から数えて {5} バイト目で終わります。号として扱われるのは「{1}」が先頭 {6} バイトの中で終わる"
    "ときだけなので、この文章では何も表示されません。これは設定では変えられません。",
    "号として扱われません: 文章に「{1}」がありません。何も表示されません。",

    "{1} が {2} バイト以下です。ボックスの題名はキーワードの先頭 {2} バイトを除いたものなので、"
    "題名がありません。",
    "{1} は読まれません。使えるのは keyword0～keyword{2} だけです。",
    "line が {1} で {2} より小さいため、1 ボックス {3} 行になります。",
    "{1} は {2} と書かれていますが、Shift_JIS (コードページ {4}) にない文字 {3} があるため、"
    "メールと一致することはありません。",
    "代わりに、よく似ていて Shift_JIS (コードページ {2}) にある {1} を使ってください。",
    "この文字を使わずに書いてください。",
    "ファイルの先頭に UTF-8 の印 (BOM) がありますが、{1} は UTF-8 ではありません。メールと"
    "一致しません。UTF-8 か Shift_JIS (コードページ {2}) で保存し直してください。",
    "{1} は UTF-8 のようですが、ファイル全体が UTF-8 ではないため Shift_JIS (コードページ "
    "{2}) として読まれ、メールと一致しません。ファイル全体を UTF-8 か Shift_JIS で保存し直して"
    "ください。",
    "{1} に Shift_JIS (コードページ {2}) の文字でないバイトがあります。",
    "設定ファイルの {1} 行目 {2} は読まれません。「＝」が全角です。半角の「=」で書いてください。",
    "設定ファイルの {1} 行目 {2} は読まれません。キーの名前が全角で書かれています。半角で書いて"
    "ください。",
    "設定ファイルの {1} 行目 {2} は読まれません。プラグインが読むキー (keyword0～keyword8、"
    "separator、line) ではありません。",
    "設定ファイルの {1} 行目 {2} は読まれません。[dovrink] の行より上か、別の [ ] の行の下に"
    "あります。[dovrink] の行より下に移してください。",
    "設定ファイルの {1} 行目 {2} は読まれません。キーと値の間に「=」がありません。",
    "設定ファイルに [dovrink] の行がないため、何も読まれません。設定の上に [dovrink] とだけ書いた"
    "行を入れてください。",
    "設定ファイルに [dovrink] の行がないため、何も読まれません。{1} 行目の {2} を [dovrink] に"
    "直してください。",
    "設定ファイルがなく、{1} があります (メモ帳が「.txt」を付けました)。名前を {2} に"
    "変えてください。",
    "設定ファイルがなく、メールソフト本体のフォルダーに {1} があります。plugins フォルダーに"
    "移してください。",

    "{1} {2} ({3} 行目): ボックスの題名はキーワードの先頭 {5} バイトを除いた {4} になり、見出しの"
    "途中から始まります。",
    "代わりに {1}={2} と書くと、同じ見出しが見つかり、題名は {3} になります。",
    "{1} {2} ({3} 行目): 見出しのすぐ後に区切り線があるため、ボックスには見出ししか表示されま"
    "せん。",
    "separator={1} にすると、見つかった {3} 個の記事のうち {2} 個が本文付きで表示されます。",
    "{1} {2} は {3} 行目にあります。ボックスに表示されるのは最初の {4} 行目です。",
    "{1} 行目の見出しを表示するには、{2}={3} と書いてください (題名 {4})。",
    "{1} {2} はそのままでは見つかりませんが、{3} 行目に {4} があります。{1}={5} と書いてください"
    " (題名 {6})。",
    "{1} {2} ({3} 行目): 区切り {4} は、その後の区切り線 {5} のどれとも一致しません。",
    "{1} {2} ({3} 行目) は記事の中の項目の見出しで、号の記事の見出しではありません。ボックスには"
    "その項目だけが表示されます。号の記事の見出しは {4} 行目のような行です。",
    "{1} {2} ({3} 行目) は記事の本文の中にあり、見出しではありません。ボックスは記事の途中から始ま"
    "ります。号の記事の見出しは {4} 行目のような行です。",
    "{1} {2} ({3} 行目) "
    "は最初の記事より上の、号のタイトルの部分にあり、記事の見出しではありません。"
    "号の記事の見出しは {4} 行目のような行です。",
    "{1} {2} ({3} 行目) は目次にしかなく、見出しではありません。ボックスには目次が表示されます。"
    "号の記事の見出しは {4} 行目のような行です。",
    "{1} {2} ({3} 行目) は号の末尾の発行元などの欄にあり、記事の見出しではありません。",
    "{1} ({2} 文字)",
    "、",

    "間違い: {1}",
    "注意: {1}",
    "よくある間違いは見つかりませんでした。",
    "気をつけることが {1} 件あります。上の「間違い:」「注意:」の行を見てください。",

    "この号の記事 (ボックスに表示される題名):",
    "この {1} 号の記事 (ボックスに表示される題名):",
    "{1}. {2}  ({3} 行目、{4})",
    "{1}. {2}  ({4} 号のうち {3} 号にあり、{5} 号で表示されます)",
    "番号は号ごとに変わることがあるので、キーワードには入れていません",
    "キーワードに見出しの番号 {1} が入っています。ほかの号で番号が変わると見つかりません",
    "題名は見出しの先頭が欠けます。この区切り線では、先頭まで入れたキーワードだとボックスがすぐ"
    "終わってしまいます",
    "号ごとに変わる見出しの番号を入れないようキーワードは番号の後から始まるので、題名は番号の後の"
    "文字が欠けます",
    "区切り線: {1} (このとき {3} 個の記事のうち {2} 個が本文付きで表示されます)",
    "区切り線: {1} (このとき {3} 個の記事のうち {2} 個が、載っているすべての号で本文付きで表示され"
    "ます)",
    "この区切り線では表示されません。見出しのすぐ後に区切り線があります",
    "この区切り線では表示されません。その後に区切り線がありません",
    "この区切り線では、次の記事まで続けて表示されます",
    "この区切り線では、本文の途中でボックスが終わります",
    "キーワードが見つかりません。この号では見出しの書き方が違います",
    "{1} 号目 ({2})、{3} 行目: {4}",
    "ほか {1} 号",
    "号ごとに変わる見出し (キーワードでは追えません):",
    "{1} 号目 ({2})、{3} 行目: {4}",
    "渡された {1} 号のうち {2} 号が同じメールマガジンのもので、設定はそこから作りました。残りの {3}"
    " 号 (最初は {4}) は別のメールマガジンのものなので使っていません。",
    "見出しが見つかりませんでした。同じ形 (同じ記号・括弧・番号で始まる) で、同じように区切られた"
    " (区切り線の間、区切り線の下、空行の下) 行も、目次に載っている行もありません。設定は手で書いて"
    "ください (readme.txt を参照)。",
    "見つかった見出しはどれも号ごとに変わるため、キーワードでは追えません。記事は提案できません。",
    "渡された文章はどれも号ではありません (先頭 {2} "
    "バイトの中に「{1}」がありません)。設定を作る元が"
    "ありません。",
    "号の見出しから作った設定です。同じ号で確かめてあります。",
    "{1} 号の見出しから作った設定です。それぞれの号で確かめてあります。",

    "Shift_JIS (コードページ {1}) ",
    "UTF-8 ",
    "UTF-8 (BOM 付き) ",
    "UTF-16 ",
};

// Japanese sentences run on without a blank between them.
std::string Then(const Words &say, const std::string &first, const std::string &second) {
    return &say == &Japanese || second.empty() ? first + second : first + " " + second;
}

std::string Key(int number) {
    char key[KeywordKeySize];
    KeywordKey(number, key);
    return key;
}

std::string Lines(const Words &say, const TextAdvice &advice, size_t offset) {
    std::string list;
    for (const size_t line : advice.Lines) {
        list += (list.empty() ? "" : say.ListSeparator) + std::to_string(line + offset);
    }
    return advice.MorePlaces ? list + say.ListSeparator + "…" : list;
}

// The characters of UTF-8 text, as a reader counts them.
size_t Characters(const std::string &utf8) {
    size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

// Why a settings line is not read.
const char *NotReadPattern(const Words &say, NotRead why) {
    switch (why) {
    case NotRead::FullWidthEquals:
        return say.FullWidthEquals;
    case NotRead::FullWidthKey:
        return say.FullWidthKey;
    case NotRead::UnknownKey:
        return say.UnknownKey;
    case NotRead::OutsideSection:
        return say.OutsideSection;
    case NotRead::NoEquals:
        break;
    }
    return say.NoEquals;
}

std::string DescribeLine(const Words &say, const SettingsFinding &finding) {
    return Fill(NotReadPattern(say, static_cast<NotRead>(finding.Number)),
                {std::to_string(finding.Line), QuotedValue(finding.Text)});
}

std::string DescribeBeyond(const Words &say, const SettingsFinding &finding,
                           const std::string &page) {
    const std::string beyond = Fill(say.BeyondCodePage, {finding.Key, QuotedValue(finding.Text),
                                                         CharacterAndCode(finding.Number), page});
    const std::string fix = finding.LookAlike != 0
                                ? Fill(say.LookAlike, {CharacterAndCode(finding.LookAlike), page})
                                : std::string(say.WithoutIt);
    return Then(say, beyond, fix);
}

// The fix of a separator that gives sections their bodies, or nothing when none was found.
std::string SeparatorFix(const Words &say, const TextAdvice &advice, Utf8Of utf8) {
    return advice.Fix.empty()
               ? ""
               : Fill(say.SeparatorFix, {utf8(advice.Fix), std::to_string(advice.Shown),
                                         std::to_string(advice.Found)});
}

std::string RuleList(const Words &say, const TextAdvice &advice, Utf8Of utf8) {
    std::string rules;
    for (const std::string &rule : advice.Rules) {
        const std::string shown = utf8(rule);
        rules += (rules.empty() ? "" : say.ListSeparator) +
                 Fill(say.RuleLine, {QuotedValue(shown), std::to_string(Characters(shown))});
    }
    return rules;
}

} // namespace

const Words &WordsFor(unsigned codePage) { return codePage == 932 ? Japanese : English; }

const Words &EnglishWords() { return English; }

const char *SavedAs(const Words &say, SettingsEncoding encoding) {
    switch (encoding) {
    case SettingsEncoding::Utf8:
        return say.SavedAsUtf8;
    case SettingsEncoding::Utf8WithMark:
        return say.SavedAsUtf8WithMark;
    case SettingsEncoding::Utf16LittleEndian:
    case SettingsEncoding::Utf16BigEndian:
        return say.SavedAsUtf16;
    case SettingsEncoding::Ansi:
        break;
    }
    return say.SavedInCodePage;
}

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

std::string DescribeBoxes(const Words &say, size_t count) {
    return count == 1 ? say.OneBox : Fill(say.SomeBoxes, {std::to_string(count)});
}

std::string DescribeKeyword(const Words &say, int number, const KeywordJudgement &keyword,
                            const std::string &written, size_t offset) {
    const std::string shown = std::to_string(number);
    const std::string key = Key(keyword.Key);
    std::string quoted = QuotedValue(written);
    const std::string line = std::to_string(keyword.Line + offset);
    switch (keyword.Fate) {
    case SectionFate::Shows:
        return Fill(say.Shown, {shown, key, quoted, line, DescribeBoxes(say, keyword.Boxes)});
    case SectionFate::NotFound:
        return Fill(say.NotFound, {shown, key, quoted});
    case SectionFate::NoSeparator:
        return Fill(say.NoSeparator, {shown, key, quoted, line});
    case SectionFate::TooShort:
        return Fill(say.TooShort, {shown, key, quoted, line});
    case SectionFate::NotReached:
        return Fill(say.NotReached, {shown, key, quoted, line});
    case SectionFate::HeadingOnly:
    case SectionFate::RunsOn:
    case SectionFate::EndsEarly:
    case SectionFate::Absent:
        break; // read from the layout, never the plugin's own
    }
    return quoted;
}

std::string DescribeMarker(const Words &say, const TextJudgement &judgement, size_t offset) {
    if (!judgement.HasMarker) {
        return Fill(say.MarkerMissing, {IssueMarker});
    }
    const std::string line = std::to_string(judgement.MarkerLine + offset);
    if (judgement.Issue) {
        return Fill(say.Issue, {IssueMarker, std::to_string(MarkerWindow), line});
    }
    const size_t markerLength = std::char_traits<char>::length(IssueMarker);
    return Fill(say.MarkerLate,
                {IssueMarker, line, std::to_string(judgement.MarkerColumn),
                 std::to_string(judgement.MarkerColumn + markerLength - 1),
                 std::to_string(judgement.MarkerAt + markerLength), std::to_string(MarkerWindow)});
}

std::string DescribeMistake(const Words &say, const SettingsFinding &finding,
                            const PluginSettings &settings, unsigned codePage) {
    std::string key = finding.Key;
    const std::string page = std::to_string(codePage);
    switch (finding.Mistake) {
    case SettingsMistake::NoCaption:
        return Fill(say.NoCaption, {key, std::to_string(ExcerptSkip)});
    case SettingsMistake::NeverRead:
        return Fill(say.NeverRead, {key, std::to_string(KeywordCount - 1)});
    case SettingsMistake::FewPageLines:
        return Fill(say.FewPageLines,
                    {std::to_string(finding.Number), std::to_string(FewestPageLines),
                     std::to_string(settings.PageLines)});
    case SettingsMistake::BeyondCodePage:
        return DescribeBeyond(say, finding, page);
    case SettingsMistake::MarkOverOther:
        return Fill(say.MarkOverOther, {key, page});
    case SettingsMistake::Utf8InAnsiFile:
        return Fill(say.Utf8InAnsiFile, {key, page});
    case SettingsMistake::NotText:
        return Fill(say.NotText, {key, page});
    case SettingsMistake::LineNotRead:
        return DescribeLine(say, finding);
    case SettingsMistake::NoSection:
        return finding.Line == 0 ? say.NoSection
                                 : Fill(say.MisspeltSection,
                                        {std::to_string(finding.Line), QuotedValue(finding.Text)});
    case SettingsMistake::FileElsewhere:
        return Fill(finding.Number == 0 ? say.SavedAsText : say.InClientFolder,
                    {finding.Text, SettingsFileName});
    }
    return key;
}

// What a keyword that heads no section stands in.
const char *NotHeadingPattern(const Words &say, Standing where) {
    switch (where) {
    case Standing::Item:
        return say.InItem;
    case Standing::Banner:
        return say.InBanner;
    case Standing::Contents:
        return say.InContents;
    case Standing::Footer:
        return say.InFooter;
    case Standing::Heads:
    case Standing::Body:
        break;
    }
    return say.InBody;
}

std::string DescribeAdvice(const Words &say, const TextAdvice &advice,
                           const PluginSettings &settings, size_t offset, Utf8Of utf8) {
    const std::string key = Key(advice.Key);
    const char *written = advice.Keyword.c_str();
    std::string keyword = QuotedValue(utf8(written));
    const std::string line = advice.Lines.empty() ? "" : std::to_string(advice.Lines[0] + offset);
    const std::string fixed = std::to_string(advice.FixedLine + offset);
    const std::string fix = utf8(advice.Fix);
    const std::string caption = QuotedValue(utf8(advice.Caption));
    switch (advice.Kind) {
    case AdviceKind::CutCaption:
        return Then(say,
                    Fill(say.CutCaption, {key, keyword, line, QuotedValue(utf8(CaptionOf(written))),
                                          std::to_string(ExcerptSkip)}),
                    advice.Fix.empty() ? "" : Fill(say.CutCaptionFix, {key, fix, caption}));
    case AdviceKind::HeadingOnly:
        return Then(say, Fill(say.HeadingOnly, {key, keyword, line}),
                    SeparatorFix(say, advice, utf8));
    case AdviceKind::FoundAgain:
        return Then(say, Fill(say.FoundAgain, {key, keyword, Lines(say, advice, offset), line}),
                    advice.Fix.empty() ? "" : Fill(say.FoundAgainFix, {fixed, key, fix, caption}));
    case AdviceKind::NearMiss:
        return Fill(say.NearMiss,
                    {key, keyword, fixed, QuotedValue(utf8(advice.InText)), fix, caption});
    case AdviceKind::NotHeading:
        return Fill(NotHeadingPattern(say, advice.Where), {key, keyword, line, fixed});
    case AdviceKind::RuleMissed:
        return Then(
            say,
            Fill(say.RuleMissed, {key, keyword, line, QuotedValue(utf8(settings.SeparatorText + 1)),
                                  RuleList(say, advice, utf8)}),
            SeparatorFix(say, advice, utf8));
    }
    return keyword;
}
