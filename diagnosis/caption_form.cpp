#include "diagnosis/caption_form.h"

#include <algorithm>

#include "diagnosis/advice.h"
#include "diagnosis/characters.h"
#include "platform/lead_bytes.h"
#include "settings/settings_text.h"
#include "viewer/caption.h"

namespace {

// Whether a character of the text starts at `at`.
bool StartsCharacter(const TrialText &text, size_t at) {
    const TextLine &line = text.Lines[LineAt(text.Lines, at) - 1];
    return at == line.End || std::binary_search(line.Bytes.begin(), line.Bytes.end(), at) ||
           at < line.Start;
}

// The first byte that may go before a keyword found at `start`: what stands before it on its
// line, and the line break above; nothing of the line before, which another issue need not
// repeat.
size_t EarliestLead(const TrialText &text, size_t start, const std::string &keyword) {
    if (IsLineBreak(keyword[0])) {
        return start;
    }
    size_t earliest = start;
    while (earliest > 0 && text.Bytes[earliest - 1] != '\n') {
        --earliest;
    }
    earliest -= earliest > 0 ? 1 : 0;
    earliest -= earliest > 0 && text.Bytes[earliest - 1] == '\r' ? 1 : 0;
    return earliest;
}

} // namespace

bool CutsCaption(const std::string &keyword) {
    size_t at = 0;
    bool letter = false;
    while (at < static_cast<size_t>(ExcerptSkip) && at < keyword.size()) {
        const size_t length = IsLeadByte(keyword[at]) && at + 1 < keyword.size() ? 2 : 1;
        const WideText character = WideOfAnsi(keyword.substr(at, length));
        letter = letter || (!character.empty() && IsLetter(character[0]));
        at += length;
    }
    return at > static_cast<size_t>(ExcerptSkip) || letter;
}

bool FoundAt(const TrialText &text, int key, const std::string &value, size_t start) {
    if (ReadBackValue(WrittenValue(value)) != value) {
        return false;
    }
    const TextJudgement judged = JudgeText(text.Bytes, WithKeyword(text.Settings, key, value));
    const KeywordJudgement *found = KeywordOf(judged, key);
    return found != nullptr && found->Fate != SectionFate::NotFound && found->Start == start;
}

bool WholeCaptionForm(const TrialText &text, int key, size_t start, const std::string &keyword,
                      std::string &form) {
    if (!CutsCaption(keyword)) {
        form = keyword;
        return FoundAt(text, key, keyword, start);
    }
    const size_t earliest = EarliestLead(text, start, keyword);
    for (size_t before = 1; before <= static_cast<size_t>(ExcerptSkip); ++before) {
        if (start < earliest + before || !StartsCharacter(text, start - before)) {
            continue;
        }
        const std::string lead = text.Bytes.substr(start - before, before);
        // A lone CR or LF cannot be written: \n stands for both.
        const bool lone = lead.back() == '\r' || lead.front() == '\n';
        const std::string candidate = lead + keyword;
        if (!lone && !CutsCaption(candidate) && FoundAt(text, key, candidate, start - before)) {
            form = candidate;
            return true;
        }
    }
    return false;
}
