// The self-check's reading of one file, as dovrink-check.exe reads a file dropped on it, built for
// Linux: the body it hands the plugin, the plugin's judgement of it in the preview's words, and
// the boxes the plugin shows for it (the stand-ins draw them on standard output, as they do for
// the preview). Run in the mail client's folder, whose plugins\dovrink.ini it reads.
// usage: check_pipeline FILE  (the code page from DOVRINK_CODEPAGE)
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "check/checked_body.h"
#include "check/messages.h"
#include "check/show_boxes.h"
#include "diagnosis/text_judgement.h"
#include "diagnosis/words.h"
#include "platform/ansi_text.h"
#include "platform/posix/code_page.h"
#include "plugin/module_handle.h"
#include "settings/settings.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fputs("usage: check_pipeline FILE\n", stderr);
        return 2;
    }
    // The plugin's code runs here as in the self-check: its lead bytes and scan kernels taken.
    OnProcessAttach(GetModuleHandleA(nullptr));
    std::ifstream file(argv[1], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const CheckedBody checked = BodyOfFile(MessagesFor(1252), argv[1], bytes);
    if (!checked.Readable) {
        std::printf("Unread:\n%s", checked.Account.c_str());
        return 0;
    }
    PluginSettings settings;
    ReadSettings("plugins\\dovrink.ini", "plugins\\dovrink.ini", settings);
    TextJudgement judgement{};
    JudgeText(checked.Body.c_str(), checked.Body.size() + 1, settings, NoBoxCancelled, judgement);
    if (!judgement.Issue) {
        std::printf("  %s\n", DescribeMarker(EnglishWords(), judgement, 0).c_str());
    }
    for (int i = 0; judgement.Issue && i < judgement.Count; ++i) {
        const KeywordJudgement &keyword = judgement.Keywords[i];
        std::printf("    %s\n", DescribeKeyword(EnglishWords(), i + 1, keyword,
                                                Utf8OfAnsi(settings.Keywords[keyword.Key]), 0)
                                    .c_str());
    }
    std::fflush(stdout);
    ShowBoxesAsPlugin(checked.Body, settings);
    return 0;
}
