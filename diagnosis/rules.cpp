#include "diagnosis/rules.h"

#include "diagnosis/characters.h"

WideText RuleOf(const WideText &line, size_t least) {
    size_t first = 0;
    size_t last = line.size();
    TrimBlanks(line, first, last);
    WideText rule = line.substr(first, last - first);
    if (rule.size() < least) {
        return {};
    }
    // A character repeated, or two repeated in turn; never letters nor blanks.
    for (size_t i = 0; i < rule.size(); ++i) {
        if (IsLetter(rule[i]) || IsDigit(rule[i]) || IsBlank(rule[i]) || rule[i] != rule[i % 2]) {
            return {};
        }
    }
    return rule;
}
