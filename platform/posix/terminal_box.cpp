#include "platform/posix/terminal_box.h"

#include <cstdio>
#include <cstdlib>
#include <strings.h>
#include <termios.h>
#include <unistd.h>

#include "platform/posix/environment.h"
#include "platform/posix/terminal_text.h"

namespace {

constexpr const char *Rule = "────────────────────────────────────────";

size_t AnswersGiven = 0;

// The n-th entry of a comma-separated list, if the list has one.
bool ListEntry(const char *list, size_t n, std::string &entry) {
    std::string rest = list;
    for (size_t i = 0;; ++i) {
        const size_t comma = rest.find(',');
        if (i == n) {
            entry = rest.substr(0, comma);
            return true;
        }
        if (comma == std::string::npos) {
            return false;
        }
        rest.erase(0, comma + 1);
    }
}

// An answer of the list; a word it does not know is OK.
BoxAnswer ParseAnswer(const std::string &word) {
    BoxAnswer answer = BoxAnswer::Ok;
    return AnswerOfWord(word, answer) ? answer : BoxAnswer::Ok;
}

// Enter, space or "o" mean OK; Esc, "c", "q", Ctrl-C and the end of input mean Cancel.
BoxAnswer AskAtTerminal() {
    termios saved;
    const bool raw = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (raw) {
        termios keys = saved;
        keys.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
        keys.c_cc[VMIN] = 1;
        keys.c_cc[VTIME] = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &keys);
    }
    BoxAnswer answer = BoxAnswer::Cancel;
    for (char key; read(STDIN_FILENO, &key, 1) == 1;) {
        if (key == '\r' || key == '\n' || key == ' ' || key == 'o' || key == 'O') {
            answer = BoxAnswer::Ok;
            break;
        }
        if (key == '\x1b' || key == 'c' || key == 'C' || key == 'q' || key == 'Q' ||
            key == '\x03') {
            break;
        }
    }
    if (raw) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    }
    return answer;
}

} // namespace

bool AnswerOfWord(const std::string &word, BoxAnswer &answer) {
    const char *const cancel[] = {"cancel", "c"};
    const char *const ok[] = {"ok", "o"};
    for (const char *known : cancel) {
        if (strcasecmp(word.c_str(), known) == 0) {
            answer = BoxAnswer::Cancel;
            return true;
        }
    }
    for (const char *known : ok) {
        if (strcasecmp(word.c_str(), known) == 0) {
            answer = BoxAnswer::Ok;
            return true;
        }
    }
    return false;
}

std::vector<std::string> TerminalLines(const std::string &text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size();) {
        if (text[i] == '\r' || text[i] == '\n') {
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            lines.emplace_back();
        } else {
            lines.back() += text[i++];
        }
    }
    for (std::string &line : lines) {
        line = TerminalSafe(line);
    }
    return lines;
}

std::string DrawBox(const std::string &caption, const std::string &text) {
    std::string title;
    for (const std::string &part : TerminalLines(caption)) {
        title += (title.empty() ? "" : " ") + part;
    }
    std::string box = "┌─ " + title + " " + Rule + "\n";
    for (const std::string &line : TerminalLines(text)) {
        box += "│ " + line + "\n";
    }
    return box + "└─ [ OK ]  [ Cancel ]  ";
}

BoxAnswer NextAnswer() {
    const size_t index = AnswersGiven++;
    const char *script = std::getenv(AnswersVariable);
    std::string word;
    BoxAnswer answer = BoxAnswer::Ok;
    if (script != nullptr && ListEntry(script, index, word)) {
        answer = ParseAnswer(word);
        std::fputs("→ ", stdout);
    } else if (isatty(STDIN_FILENO)) {
        std::fputs("Enter = OK, Esc = Cancel: ", stdout);
        std::fflush(stdout);
        answer = AskAtTerminal();
    } else {
        std::fputs("→ ", stdout);
    }
    std::puts(answer == BoxAnswer::Ok ? "OK" : "Cancel");
    return answer;
}
