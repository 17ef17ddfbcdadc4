#pragma once
// What the self-check says of itself and of where it looks, in Japanese where the code page is
// 932 and in English elsewhere; what it says of the settings and of a text are the judgements'
// own words (diagnosis/words.h), which the preview speaks too. Texts are UTF-8; {1} to {9} stand
// for the values that Fill (diagnosis/words.h) puts in, in the order each language needs them.
#include "diagnosis/words.h"
#include "settings/settings.h"

struct Messages {
    const char *Title;
    // How to use it: paragraphs and option rows of one line each, which the console wraps; {1} to
    // {6} are the exit statuses: boxes shown, with warnings, an issue without a box, no issue, a
    // file unreadable, a wrong argument.
    const char *Usage;
    const char *WrongArgument;

    // Where the settings come from.
    const char *PlacesHeading;
    const char *KeywordPlace;
    const char *SeparatorPlace;
    const char *FileSavedIn;
    const char *FileMissingForKeywords;
    const char *FileMissingForSeparator;
    const char *PathTooLong;
    const char *PluginFound;
    const char *PluginMissing;
    const char *NotInPluginsFolder;
    const char *AsMail;

    // The settings as read.
    const char *SettingsHeading;
    const char *KeywordLine;
    const char *KeywordBeyondLine;
    const char *NoKeywords;
    const char *SeparatorLine;
    const char *PageLinesLine;

    // The text checked.
    const char *ClipboardHeading;
    const char *FileHeading;
    const char *NoClipboardText;
    const char *Clipboard; // what the clipboard's text is called among several texts
    const char *FileUnreadable;
    const char *FileTooLarge;
    const char *Unheld;
    const char *SavedMail;
    const char *CopiedWithHeaders;
    const char *SavedWithHeaders;
    const char *CountedInFile;
    const char *ReadAs;
    const char *CountedInBody;
    const char *NoTextPart;
    const char *UnreadCharset;
    const char *HtmlOnly;
    const char *Forwarded;
    const char *AttachedNotOpened;
    const char *FormatFlowed;
    const char *VariantLabel;
    const char *WereItAnIssue;
    const char *BoxCount;
    const char *NoBox;

    // Questions at the end of a run in a window of its own.
    const char *AskShow;
    const char *PressAnyKey;

    // The settings made from an issue (/setup).
    const char *SetupHeading;
    const char *OfferSetup;
    const char *AskSections;
    const char *WrongChoice;
    const char *TooManyChosen;
    const char *AskSeparator;
    const char *AskPageLines;
    const char *WrongPageLines;
    const char *FileToWrite;
    const char *AskWrite;
    const char *NothingWritten;
    const char *Written;
    const char *BackedUp;
    const char *WrittenElsewhere;
    const char *NotWritable;
    const char *CheckedAgain;
    const char *Restart;
};

// How a file is saved (diagnosis/words.h), in the language of the messages; the code page's takes
// its number.
const char *SavedAs(const Messages &say, SettingsEncoding encoding);

// The messages in the language of the code page.
const Messages &MessagesFor(unsigned codePage);
