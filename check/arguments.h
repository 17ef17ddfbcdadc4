#pragma once
// The self-check's command line: /show, /setup and /? (or -show, --show, in any case), and the
// files named, or dropped onto the program.
#include <vector>

#include "diagnosis/text_lines.h"

struct CheckArguments {
    bool Show = false;
    bool Setup = false;
    bool Help = false;
    std::vector<WideText> Files; // files, and for /setup folders too
    WideText Wrong;              // an unknown option, or a second file without /setup
    bool IsWrong = false;
};

// The arguments after the program's name.
CheckArguments ParseArguments(const std::vector<WideText> &arguments);
