#pragma once
// The usual mistakes in a settings file, judged from the settings that the plugin read and from
// the files they came from: what the preview and the self-check warn about, each in its words.
#include "settings/settings.h"

enum class SettingsMistake : unsigned char {
    NoCaption,      // a keyword of ExcerptSkip bytes or fewer: its boxes have no caption
    NeverRead,      // a numbered keyword key that nothing reads: keyword9 and above, keyword01
    FewPageLines,   // `line` reads as Number, below FewestPageLines: the default holds instead
    BeyondCodePage, // the Unicode value holds the character Number, which the code page lacks
    MarkOverOther,  // the file's UTF-8 byte-order mark stands over a value that is not UTF-8
    Utf8InAnsiFile, // the value is UTF-8, but not all of the file is: it is read in the code page
    NotText,        // the value holds bytes that are no text in the code page
    LineNotRead,    // the file's line Line (Text) is read as no setting: Number is why (NotRead)
    NoSection,      // the file has no [dovrink] section; Line and Text: one misspelt, if any
    FileElsewhere,  // the file is missing, but one like it is at Text (a path): Number 0 with
                    // Notepad's ".txt" added, 1 in the mail client's folder above plugins
};

// Why a line of the settings file is read as no setting.
enum class NotRead : unsigned char {
    FullWidthEquals, // its "=" is the full-width ＝ that an IME types
    FullWidthKey,    // its key is written in full-width letters or digits
    UnknownKey,      // its key is none the plugin reads: not keyword0 to keyword8, separator, line
    OutsideSection,  // it stands before the [dovrink] line, or in another section
    NoEquals,        // it has no "=" at all
};

constexpr unsigned KeyNameSize = 32;

constexpr unsigned FindingTextSize = 256;

struct SettingsFinding {
    SettingsMistake Mistake;
    char Key[KeyNameSize]; // the key as the file writes it, cut to fit
    long Number;           // the code point of BeyondCodePage, the value of FewPageLines
    int Line;              // the file's line, from 1, where the mistake stands; 0 for none
    // UTF-8: the line as written, the value as written (BeyondCodePage), or a path; cut to fit.
    char Text[FindingTextSize];
    long LookAlike; // BeyondCodePage: a character like Number that the code page holds, or 0
};

constexpr int MostSettingsFindings = 32;

struct SettingsFindings {
    SettingsFinding Items[MostSettingsFindings];
    int Count;
};

// Judges the settings read from `keywordFile` (null when none was read) and `separatorFile`: the
// keywords in order, then the keys never read, then the separator, then the page length.
void CheckSettings(const char *keywordFile, const char *separatorFile,
                   const PluginSettings &settings, SettingsFindings &findings);
