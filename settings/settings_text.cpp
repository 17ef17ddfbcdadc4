#include "settings/settings_text.h"

#include <cstring>

#include "platform/profile_text.h"
#include "settings/settings.h"
#include "settings/unescape.h"

std::string WrittenValue(const std::string &value) {
    std::string written;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value.compare(i, 2, "\r\n") == 0) {
            written += "\\n";
            ++i;
        } else {
            written += value[i];
        }
    }
    // The settings file trims blanks around a value, and takes quotes off one that has them.
    const bool blank = !written.empty() && (written.front() == ' ' || written.front() == '\t' ||
                                            written.back() == ' ' || written.back() == '\t');
    const bool quoted = written.size() >= 2 &&
                        (written.front() == '"' || written.front() == '\'') &&
                        written.back() == written.front();
    return blank || quoted ? "\"" + written + "\"" : written;
}

std::string ReadBackValue(const std::string &written) {
    const char *value = written.c_str();
    size_t length = std::strcspn(value, "\r\n");
    TakeProfileValue(value, length);
    std::string read(value, length);
    read.push_back('\0');
    UnescapeLineBreaks(&read[0]);
    read.resize(std::strlen(read.c_str()));
    return read;
}

bool SeparatorFits(const std::string &separator) {
    return separator.size() + 1 < sizeof PluginSettings{}.SeparatorText &&
           ReadBackValue(WrittenValue(separator)) == separator;
}

std::string SettingsFileText(const std::vector<std::string> &comments,
                             const std::vector<std::string> &keywords, const std::string &separator,
                             int pageLines) {
    std::string file;
    for (const std::string &comment : comments) {
        file += "; " + comment + "\r\n";
    }
    file += std::string("[") + SettingsSection + "]\r\n";
    char key[KeywordKeySize];
    for (size_t i = 0; i < keywords.size() && i < static_cast<size_t>(KeywordCount); ++i) {
        KeywordKey(static_cast<int>(i), key);
        file += std::string(key) + "=" + WrittenValue(keywords[i]) + "\r\n";
    }
    file += std::string(SeparatorKey) + "=" + WrittenValue(separator) + "\r\n";
    file += std::string(PageLinesKey) + "=" + std::to_string(pageLines) + "\r\n";
    return file;
}
