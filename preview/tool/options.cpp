#include "preview/tool/options.h"

#include <getopt.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <strings.h>

#include "diagnosis/run_status.h"
#include "diagnosis/words.h"
#include "platform/posix/code_pages.h"
#include "platform/posix/terminal_box.h"

namespace {

bool ValidAnswers(const std::string &list) {
    std::istringstream words(list);
    BoxAnswer answer = BoxAnswer::Ok;
    for (std::string word; std::getline(words, word, ',');) {
        if (!AnswerOfWord(word, answer)) {
            return false;
        }
    }
    return !list.empty();
}

bool KnownCodePage(const std::string &number) {
    char *end = nullptr;
    const unsigned long value = std::strtoul(number.c_str(), &end, 10);
    return !number.empty() && *end == '\0' && FindCodePage(static_cast<UINT>(value)) != nullptr;
}

// The exit statuses, as diagnosis/run_status.h numbers them.
std::string ExitStatuses() {
    return Fill(
        "Exit status, over all the messages of the run: {1} when one could not be read\n"
        "(or the plugin could not be loaded); else {2} when a box was shown (or no file\n"
        "was named), {3} when so but a line marked Mistake or Warning was printed, {4} when\n"
        "a message was an issue but no box was shown, {5} when no message was an issue;\n"
        "{6} on a wrong option.\n",
        {StatusNumber(ExitStatus::Unreadable), StatusNumber(ExitStatus::BoxesShown),
         StatusNumber(ExitStatus::BoxesWithWarnings), StatusNumber(ExitStatus::IssueWithoutBox),
         StatusNumber(ExitStatus::NoIssue), StatusNumber(ExitStatus::WrongUsage)});
}

} // namespace

bool ParseOptions(int argc, char **argv, PreviewOptions &options, bool &help, std::string &error) {
    enum Value { Plugin = 256, HostDir, CodePage, Answers, Batch, Explain, Settings, Suggest };
    static const option Known[] = {
        {"help", no_argument, nullptr, 'h'},
        {"batch", no_argument, nullptr, Batch},
        {"explain", no_argument, nullptr, Explain},
        {"settings", no_argument, nullptr, Settings},
        {"suggest", no_argument, nullptr, Suggest},
        {"plugin", required_argument, nullptr, Plugin},
        {"host-dir", required_argument, nullptr, HostDir},
        {"codepage", required_argument, nullptr, CodePage},
        {"answers", required_argument, nullptr, Answers},
        {nullptr, 0, nullptr, 0},
    };
    help = false;
    // The messages' own reports stay quiet: the reason goes into `error`.
    opterr = 0;
    optind = 1;
    for (int choice; (choice = getopt_long(argc, argv, ":h", Known, nullptr)) != -1;) {
        const std::string given = argv[optind - 1];
        switch (choice) {
        case 'h':
            help = true;
            break;
        case Batch:
            options.Batch = true;
            break;
        case Explain:
            options.Explain = true;
            break;
        case Settings:
            options.ShowSettings = true;
            break;
        case Suggest:
            options.Suggest = true;
            break;
        case Plugin:
            options.PluginPath = optarg;
            break;
        case HostDir:
            options.HostDir = optarg;
            break;
        case CodePage:
            options.CodePage = optarg;
            if (!KnownCodePage(options.CodePage)) {
                error =
                    "unknown code page " + options.CodePage + " (known: " + KnownCodePages() + ")";
                return false;
            }
            break;
        case Answers:
            options.Answers = optarg;
            if (!ValidAnswers(options.Answers)) {
                error = "--answers takes a comma-separated list of ok and cancel";
                return false;
            }
            break;
        case ':':
            error = given + " needs a value";
            return false;
        default:
            error = "unknown option " + given;
            return false;
        }
    }
    for (int i = optind; i < argc; ++i) {
        options.MessageFiles.emplace_back(argv[i]);
    }
    return true;
}

std::string UsageText(const char *program) {
    return std::string("Usage: ") + program + R"( [options] [message-file-or-folder...]

Loads the Dovrink plugin as the mail client does, hands it each message in turn
as the message on view, and shows its message boxes here.

A message file is a saved mail message (RFC 5322, such as a .eml file, or an
Apple Mail .emlx), an mbox file of many messages, or a plain body; a mailbox
compressed with gzip, bzip2 or xz is read as the mailbox inside. A folder is
read as a Maildir (cur/ and new/, in delivery order; trashed messages passed
over) or else as a folder of such files (in name order); files in it that are
not mail (desktop.ini, pictures, empty files, named pipes and devices, which
are never opened) are named once and do not fail the run. A file named here is
read, or its reason is given and the run fails: nothing named is passed over.
Of a saved message the first text/plain part is taken (or, with none, the HTML
part's source, or the text of an attached message), its transfer encoding
(base64, quoted-printable) undone and its charset (ISO-2022-JP, Shift_JIS and
EUC-JP under any of their names, UTF-8, ...) read as the mail client on Windows
reads it and converted to the code page; characters that cannot be read or that
the code page cannot hold become "?", and their number is reported. A plain
body is 8-bit text in the code page, lines ending in CR LF. A file that cannot
be read is reported in one line, and the run goes on; a compressed mailbox cut
short or damaged is read up to the damage, which one line names.

For an issue that shows no box, and for every message with --explain, one line
per keyword says what became of it: shown in how many boxes, not found, found
without a separator line after it, or with a section too short to show. For
every issue, a line marked Warning tells what would show wrong (a caption cut
inside a character, a box of its heading alone, a table of contents shown for
the heading) or what misses by a little (a keyword in another width, a
separator longer than the rules), with a fix the plugin's own judgement of the
same text has shown to work. After several messages a summary counts messages,
issues and boxes per keyword, and names the keywords that matched in no issue.

  --host-dir DIR  the folder that plays the mail client's own folder: the
                  keywords come from DIR/plugins/)" +
           std::string(SettingsFileName) + R"( (default: the
                  folder of this program). The separator and the page length
                  come from plugins/)" +
           std::string(SettingsFileName) + R"( under the current directory.
  --codepage N    the ANSI code page of the Windows system to preview
                  (default 932, Shift_JIS; known: )" +
           KnownCodePages() + R"()
  --answers LIST  answers to the boxes in order, such as ok,ok,cancel; every
                  later box gets OK (default: asked at a terminal, else OK)
  --batch         never ask: answer with --answers, then OK; for scripts
  --explain       say for every message what became of each keyword
  --settings      print the settings as the plugin reads them, with mistakes
  --suggest       instead of showing the issues' boxes, propose the settings
                  from all of them together (several issues of the newsletter
                  teach more than one; another newsletter's are set aside):
                  the sections that recur, read from each issue's structure,
                  with keywords found in every issue where their section stands
                  (never the copy in a table of contents), and the separator
                  that shows the most of them over all the issues, each checked
                  with the plugin's own code; then )" +
           std::string(SettingsFileName) + R"( with the sections
                  that show, and the command that saves it in Shift_JIS
  --plugin FILE   the plugin library (default: libdovrink.so beside this program)
  -h, --help      this text

)" + ExitStatuses() +
           R"(
Examples:
  )" + program +
           R"( --host-dir . weekly-vesk-42.txt
      preview a saved body with the settings in ./plugins/)" +
           std::string(SettingsFileName) + R"(
  )" + program +
           R"( --batch --answers ok,cancel issue.eml
      answer the first box with OK and the second with Cancel, without asking
  )" + program +
           R"( --batch issue.eml > boxes.txt; echo $?
      keep the boxes in a file; 0 means the issue showed something
  )" + program +
           R"( --batch --suggest Mail/weekly-vesk.mbox
      propose the settings from every issue in a mailbox
  )" + program +
           R"( --batch --host-dir . ~/Mail/weekly.mbox | tail
      preview a whole mailbox and read its summary
)";
}
