#pragma once
// Everything the self-check says, in Japanese where the code page is 932 and in English
// elsewhere. Texts are UTF-8; {1} to {9} stand for the values that Fill puts in, in the order
// each language needs them.
#include <initializer_list>
#include <string>

#include "settings/settings.h"

struct Messages {
    const char *Title;
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
    const char *CodePage;
    const char *Utf8;
    const char *Utf8WithMark;
    const char *Utf16;

    // The settings as read.
    const char *SettingsHeading;
    const char *KeywordLine;
    const char *NoKeywords;
    const char *SeparatorLine;
    const char *PageLinesLine;
    const char *MistakeLine;
    const char *NoMistakes;
    const char *NoCaption;
    const char *NeverRead;
    const char *FewPageLines;
    const char *BeyondCodePage;
    const char *MarkOverOther;
    const char *Utf8InAnsiFile;
    const char *NotText;

    // The text checked.
    const char *ClipboardHeading;
    const char *FileHeading;
    const char *NoClipboardText;
    const char *FileUnreadable;
    const char *FileTooLarge;
    const char *Unheld;
    const char *SavedMail;
    const char *EncodedBody;
    const char *Issue;
    const char *MarkerLate;
    const char *MarkerMissing;
    const char *WereItAnIssue;
    const char *Shown;
    const char *NotFound;
    const char *NoSeparator;
    const char *TooShort;
    const char *BoxCount;
    const char *NoBox;
    const char *OneBox;
    const char *SomeBoxes;

    // Questions at the end of a run in a window of its own.
    const char *AskShow;
    const char *PressAnyKey;
};

// How a file is saved, in the words of the messages; CodePage takes the code page's number.
const char *SavedAs(const Messages &say, SettingsEncoding encoding);

// The messages in the language of the code page.
const Messages &MessagesFor(unsigned codePage);

// The pattern with {1}, {2}, ... replaced by the values in order.
std::string Fill(const char *pattern, std::initializer_list<std::string> values);
