#pragma once
// The words for the judgements of diagnosis/, in Japanese where the code page is 932 and in
// English elsewhere: the one way that the self-check on Windows and the preview on Linux tell a
// reader what the plugin will make of the settings and of a text. Texts are UTF-8; {1} to {9}
// stand for the values that Fill puts in, in the order each language needs them. The values a
// reader wrote (keywords, separators, lines) come in the code page: `utf8` turns them into UTF-8.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "diagnosis/settings_check.h"
#include "diagnosis/setup_proposal.h"
#include "diagnosis/text_advice.h"
#include "diagnosis/text_judgement.h"
#include "settings/settings.h"

struct Words {
    // A keyword's fate: {1} its number in the list, {2} its key, {3} the keyword, {4} its line,
    // {5} its boxes.
    const char *Shown;
    const char *NotFound;
    const char *NoSeparator;
    const char *TooShort;
    const char *NotReached;
    const char *OneBox;
    const char *SomeBoxes;

    // The issue marker: where it stands, and that no setting changes it.
    const char *Issue;
    const char *MarkerLate;
    const char *MarkerMissing;

    // The usual mistakes in the settings.
    const char *NoCaption;
    const char *NeverRead;
    const char *FewPageLines;
    const char *BeyondCodePage;
    const char *LookAlike;
    const char *WithoutIt;
    const char *MarkOverOther;
    const char *Utf8InAnsiFile;
    const char *NotText;
    const char *FullWidthEquals;
    const char *FullWidthKey;
    const char *UnknownKey;
    const char *OutsideSection;
    const char *NoEquals;
    const char *NoSection;
    const char *MisspeltSection;
    const char *SavedAsText;
    const char *InClientFolder;

    // The advice on a text, and the fix each has found to work.
    const char *CutCaption;
    const char *CutCaptionFix;
    const char *HeadingOnly;
    const char *SeparatorFix;
    const char *FoundAgain;
    const char *FoundAgainFix;
    const char *NearMiss;
    const char *RuleMissed;
    // A keyword that heads no section: {1} its key, {2} the keyword, {3} its line, {4} the line
    // of the first section's heading.
    const char *InItem;
    const char *InBody;
    const char *InBanner;
    const char *InContents;
    const char *InFooter;
    const char *RuleLine;
    const char *ListSeparator;

    // How each is marked, and what a run says at its end.
    const char *MistakeLine;
    const char *AdviceLine;
    const char *NoMistakes;
    const char *SomeWarnings;

    // The settings proposed from issues: the list of sections, for one issue or several.
    const char *ProposalHeading;
    const char *ProposalHeadingMany;
    const char *ProposedSection;
    const char *ProposedSectionMany;
    const char *WithoutNumber;
    const char *KeepsNumber;
    const char *CaptionCut;
    const char *NumberCut;
    const char *ProposedSeparator;
    const char *ProposedSeparatorMany;
    const char *FateHeadingOnly;
    const char *FateNoSeparator;
    const char *FateRunsOn;
    const char *FateEndsEarly;
    const char *FateNotFound;
    const char *FateInIssue;
    const char *FateInMore;
    const char *ChangingHeadings;
    const char *ChangingHeading;
    const char *OtherNewsletters;
    const char *NoHeadings;
    const char *OnlyChanging;
    const char *NoIssueGiven;
    const char *FileComment;
    const char *FileCommentMany;

    // How a file is saved (the settings, a text given to the self-check): {1} the code page.
    const char *SavedInCodePage;
    const char *SavedAsUtf8;
    const char *SavedAsUtf8WithMark;
    const char *SavedAsUtf16;
};

// The words in the language of the code page.
const Words &WordsFor(unsigned codePage);

// The words in English, which the preview speaks whatever the code page.
const Words &EnglishWords();

// How a file in the encoding is saved, in the words of `say`; the code page's takes its number.
const char *SavedAs(const Words &say, SettingsEncoding encoding);

// The pattern with {1}, {2}, ... replaced by the values in order.
std::string Fill(const char *pattern, std::initializer_list<std::string> values);

// Turns text of the code page into UTF-8.
using Utf8Of = std::string (*)(const std::string &ansi);

// "1 box", "3 boxes".
std::string DescribeBoxes(const Words &say, size_t count);

// The line for the keyword, `number` in the list, as the reader wrote it (`written`, UTF-8); its
// line is counted `offset` lines further on, where the text the plugin reads starts below the top
// of what the reader has.
std::string DescribeKeyword(const Words &say, int number, const KeywordJudgement &keyword,
                            const std::string &written, size_t offset);

// Where the issue marker stands, for a text the plugin takes for an issue or not.
std::string DescribeMarker(const Words &say, const TextJudgement &judgement, size_t offset);

// A mistake found in the settings.
std::string DescribeMistake(const Words &say, const SettingsFinding &finding,
                            const PluginSettings &settings, unsigned codePage);

// An advice on a text, with its fix: the line to write in the settings.
std::string DescribeAdvice(const Words &say, const TextAdvice &advice,
                           const PluginSettings &settings, size_t offset, Utf8Of utf8);
