#include "diagnosis/trial_text.h"

#include <algorithm>
#include <cstring>

#include "diagnosis/advice.h"
#include "diagnosis/characters.h"
#include "diagnosis/rules.h"
#include "platform/profile_text.h"
#include "settings/unescape.h"

namespace {

void SetValue(char *value, size_t size, const std::string &text) {
    const size_t kept = std::min(text.size(), size - 1);
    std::memcpy(value, text.data(), kept);
    value[kept] = '\0';
}

} // namespace

const KeywordJudgement *KeywordOf(const TextJudgement &judgement, int key) {
    for (int i = 0; i < judgement.Count; ++i) {
        if (judgement.Keywords[i].Key == key) {
            return &judgement.Keywords[i];
        }
    }
    return nullptr;
}

PluginSettings WithKeyword(const PluginSettings &settings, int key, const std::string &value) {
    PluginSettings changed = settings;
    SetValue(changed.Keywords[key], SettingsValueSize, value);
    return changed;
}

PluginSettings WithSeparator(const PluginSettings &settings, const std::string &value) {
    PluginSettings changed = settings;
    SetValue(changed.SeparatorText, sizeof changed.SeparatorText, "\n" + value);
    return changed;
}

void AddSeparatorCandidate(const std::string &candidate, std::vector<std::string> &candidates,
                           size_t most) {
    if (!candidate.empty() && candidates.size() < most &&
        std::find(candidates.begin(), candidates.end(), candidate) == candidates.end()) {
        candidates.push_back(candidate);
    }
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

bool IsRule(const TextLine &line) { return !RuleOf(line.Characters, RuleLength).empty(); }

bool IsBlankLine(const TextLine &line) {
    return std::all_of(line.Characters.begin(), line.Characters.end(), IsBlank);
}
