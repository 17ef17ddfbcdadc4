#pragma once
// The questions of /setup, in the reader's language: the sections proposed from the issue
// (diagnosis/setup_proposal.h), which of them to show, the separator, the lines a box; then the
// settings file they come to, shown before it is written. Answers are lines, as typed or piped.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "check/messages.h"
#include "diagnosis/setup_proposal.h"
#include "settings/settings.h"

// How the dialog talks: Tell writes UTF-8 text; Ask writes a question and returns the answer's
// line (UTF-8, without its line break; empty at the end of the input).
struct SetupTalk {
    std::function<void(const std::string &)> Tell;
    std::function<std::string(const std::string &)> Ask;
};

struct SetupChoice {
    bool Write;                 // the reader chose sections and said to write the file
    std::string FileText;       // the settings file, in the code page with CR LF
    std::vector<size_t> Issues; // the texts (their indices) the settings were made from
};

// A text that the settings may be made from: what the reader calls it (UTF-8), its body (in the
// code page) and the lines above the body in what the reader has.
struct SetupText {
    std::string Name;
    std::string Body;
    size_t Offset;
};

// Asks the reader about the proposal made from those of the texts that are issues, to be written
// to `path` (UTF-8); writes nothing when none is.
SetupChoice AskSetup(const Messages &say, const std::vector<SetupText> &texts,
                     const PluginSettings &current, const std::string &path, const SetupTalk &talk);
