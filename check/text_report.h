#pragma once
// The self-check's account of a text: whether the plugin takes it for an issue and, keyword by
// keyword, what it finds and shows, judged by the plugin's own code.
#include <cstddef>
#include <string>

#include "check/messages.h"
#include "settings/settings.h"

enum class TextVerdict { Boxes, IssueWithoutBox, NotIssue };

struct TextReport {
    std::string Text;
    TextVerdict Verdict;
    size_t Boxes; // the boxes the plugin shows for it, each answered with OK
};

// The account of the text, in the code page up to its first NUL.
TextReport DescribeText(const Messages &say, const std::string &body,
                        const PluginSettings &settings);
