#pragma once
// How a run of the preview or of the self-check ends, as both tell their readers: one status for
// all the messages or texts of the run.
#include <cstddef>
#include <string>

enum class ExitStatus : int {
    BoxesShown = 0,        // a box was shown, or no mail was given to look at
    Unreadable = 1,        // something given could not be read (or the plugin not loaded)
    WrongUsage = 2,        // a wrong option or argument
    IssueWithoutBox = 3,   // an issue showed no box: check the keywords
    NoIssue = 4,           // nothing given was an issue
    BoxesWithWarnings = 5, // as BoxesShown, but a mistake or warning was told: heed it
};

struct RunTally {
    bool MailGiven = false; // a file, a folder or a text was given
    size_t Unreadable = 0;  // what could not be read
    size_t Issues = 0;
    size_t Boxes = 0;
    size_t Warnings = 0; // mistakes in the settings and warnings about texts, as told
};

ExitStatus StatusOf(const RunTally &tally);

// The status's number, for the help texts that tell them.
std::string StatusNumber(ExitStatus status);
