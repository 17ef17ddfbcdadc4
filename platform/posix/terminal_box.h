#pragma once
// Message boxes drawn as text in the terminal, and the answers to them.
#include <string>
#include <vector>

// The text as lines for the terminal: CR LF, LF and CR each break a line, and control characters
// that could steer the terminal show as visible escapes (terminal_text.h). Text and result are
// UTF-8.
std::vector<std::string> TerminalLines(const std::string &text);

// The box's frame with its caption and text (UTF-8), up to the line of its buttons.
std::string DrawBox(const std::string &caption, const std::string &text);

enum class BoxAnswer { Ok, Cancel };

// The answer a word gives: "ok" or "o", "cancel" or "c", in any case; false for any other word.
bool AnswerOfWord(const std::string &word, BoxAnswer &answer);

// Takes and shows the answer to the box just drawn: from the environment's list while it lasts,
// else from the user at a terminal, else OK.
BoxAnswer NextAnswer();
