#pragma once
// Settings records as the tests write and read them.
#include <cstring>
#include <string>
#include <vector>

#include "settings/settings.h"

// The keyword list: the keywords that are set, in the order of their keys.
inline std::vector<std::string> KeywordsOf(const PluginSettings &settings) {
    std::vector<std::string> keywords;
    for (const auto &keyword : settings.Keywords) {
        if (keyword[0] != '\0') {
            keywords.emplace_back(keyword);
        }
    }
    return keywords;
}

// Sets keyword `number` to the value, cut to the bytes a value keeps, as the reader cuts it.
inline void SetKeyword(PluginSettings &settings, int number, const std::string &value) {
    char *keyword = settings.Keywords[number];
    const size_t kept = value.size() < SettingsValueSize ? value.size() : SettingsValueSize - 1;
    std::memcpy(keyword, value.data(), kept);
    keyword[kept] = '\0';
}

// Sets the separator value: the separator text is a line feed and the value, cut alike.
inline void SetSeparator(PluginSettings &settings, const std::string &value) {
    const std::string text = "\n" + value;
    const size_t kept = text.size() < sizeof settings.SeparatorText
                            ? text.size()
                            : sizeof settings.SeparatorText - 1;
    std::memcpy(settings.SeparatorText, text.data(), kept);
    settings.SeparatorText[kept] = '\0';
}
