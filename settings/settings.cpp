#include "settings/settings.h"

#include <cstring>

#include "platform/path_text.h"
#include "platform/windows_api.h"
#include "settings/unescape.h"
#include "settings/unicode_file.h"

namespace {

// The keywords are read as the system reads the file, and again from its Unicode text where it
// has one; the escapes are expanded in either.
void ReadKeywords(const char *path, const UnicodeSettingsText &text, PluginSettings &settings) {
    for (int i = 0; i < KeywordCount; ++i) {
        char key[KeywordKeySize];
        KeywordKey(i, key);
        char *value = settings.Keywords[i];
        GetPrivateProfileStringA(SettingsSection, key, "", value, SettingsValueSize, path);
        settings.KeywordSources[i] = TakeUnicodeValue(text, key, value);
        UnescapeLineBreaks(value);
    }
}

void ReadSeparator(const char *path, const UnicodeSettingsText &text, PluginSettings &settings) {
    char *value = settings.SeparatorText + 1;
    settings.SeparatorText[0] = '\n';
    GetPrivateProfileStringA(SettingsSection, SeparatorKey, DefaultSeparator, value,
                             SettingsValueSize, path);
    settings.SeparatorSource = TakeUnicodeValue(text, SeparatorKey, value);
}

void ReadPageLines(const char *path, PluginSettings &settings) {
    const auto lines = static_cast<std::int32_t>(
        GetPrivateProfileIntA(SettingsSection, PageLinesKey, DefaultPageLines, path));
    settings.PageLines = lines < FewestPageLines ? DefaultPageLines : lines;
}

} // namespace

bool KeywordFilePath(char (&path)[SettingsPathSize]) {
    const DWORD length = GetModuleFileNameA(nullptr, path, SettingsPathSize - 1);
    if (length == 0 || length >= SettingsPathSize - 1) {
        return false;
    }
    // A name without a folder keeps all of itself, and the file's name follows it.
    const size_t cut = FolderPartLength(path, length);
    const size_t folderLength = cut == 0 ? length : cut;
    if (folderLength + std::strlen(SettingsFileInPlugins) >= SettingsPathSize) {
        return false;
    }
    std::memcpy(path + folderLength, SettingsFileInPlugins, std::strlen(SettingsFileInPlugins) + 1);
    return true;
}

void ReadSettings(const char *keywordFile, const char *separatorFile, PluginSettings &settings) {
    // A host that initialises the plugin again gets the file's keywords once, not twice.
    settings = PluginSettings{};
    UnicodeSettingsText text;
    if (keywordFile != nullptr) {
        ReadUnicodeText(keywordFile, text);
        settings.KeywordFileEncoding = text.Encoding;
        ReadKeywords(keywordFile, text, settings);
    }
    ReadUnicodeText(separatorFile, text);
    settings.SeparatorFileEncoding = text.Encoding;
    ReadSeparator(separatorFile, text, settings);
    ReadPageLines(separatorFile, settings);
}

void LoadSettings(PluginSettings &settings) {
    char path[SettingsPathSize];
    ReadSettings(KeywordFilePath(path) ? path : nullptr, RelativeSettingsPath, settings);
}
