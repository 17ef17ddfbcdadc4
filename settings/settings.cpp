#include "settings/settings.h"

#include <cstring>

#include "platform/lead_bytes.h"
#include "platform/windows_api.h"
#include "settings/unescape.h"
#include "settings/unicode_file.h"

namespace {

constexpr const char *FileName = "plugins\\dovrink.ini";

// The keys' numbers are single digits, written in place: no formatted output is linked in.
static_assert(KeywordCount <= 10, "keyword0 to keyword9 at most");

// The keywords are read as the system reads the file, and again from its Unicode text where it
// has one; the escapes are expanded in either.
void ReadKeywords(const char *path, const UnicodeSettingsText &text, PluginSettings &settings) {
    for (int i = 0; i < KeywordCount; ++i) {
        char key[] = "keyword0";
        key[sizeof key - 2] = static_cast<char>('0' + i);
        char *value = settings.Keywords[i];
        GetPrivateProfileStringA(SettingsSection, key, "", value, SettingsValueSize, path);
        settings.KeywordSources[i] = TakeUnicodeValue(text, key, value);
        UnescapeLineBreaks(value);
    }
}

void ReadSeparator(const UnicodeSettingsText &text, PluginSettings &settings) {
    char *value = settings.SeparatorText + 1;
    settings.SeparatorText[0] = '\n';
    GetPrivateProfileStringA(SettingsSection, "separator", DefaultSeparator, value,
                             SettingsValueSize, RelativeSettingsPath);
    settings.SeparatorSource = TakeUnicodeValue(text, "separator", value);
}

void ReadPageLines(PluginSettings &settings) {
    const auto lines = static_cast<std::int32_t>(
        GetPrivateProfileIntA(SettingsSection, "line", DefaultPageLines, RelativeSettingsPath));
    settings.PageLines = lines < FewestPageLines ? DefaultPageLines : lines;
}

// Where the file name starts: after the last backslash character, or at `length` when there is
// none. A double-byte character's second byte may be 0x5C (表 is 95 5C), so the path is walked a
// character at a time rather than searched for the byte.
size_t FolderLength(const char *path, size_t length) {
    size_t folder = length;
    for (size_t i = 0; i < length; ++i) {
        if (IsLeadByte(path[i]) && i + 1 < length) {
            ++i;
        } else if (path[i] == '\\') {
            folder = i + 1;
        }
    }
    return folder;
}

} // namespace

bool KeywordFilePath(char (&path)[SettingsPathSize]) {
    const DWORD length = GetModuleFileNameA(nullptr, path, SettingsPathSize - 1);
    if (length == 0 || length >= SettingsPathSize - 1) {
        return false;
    }
    const size_t folderLength = FolderLength(path, length);
    if (folderLength + std::strlen(FileName) >= SettingsPathSize) {
        return false;
    }
    std::memcpy(path + folderLength, FileName, std::strlen(FileName) + 1);
    return true;
}

void LoadSettings(PluginSettings &settings) {
    // A host that initialises the plugin again gets the file's keywords once, not twice.
    settings = PluginSettings{};
    UnicodeSettingsText text;
    char path[SettingsPathSize];
    if (KeywordFilePath(path)) {
        ReadUnicodeText(path, text);
        settings.KeywordFileEncoding = text.Encoding;
        ReadKeywords(path, text, settings);
    }
    ReadUnicodeText(RelativeSettingsPath, text);
    settings.SeparatorFileEncoding = text.Encoding;
    ReadSeparator(text, settings);
    ReadPageLines(settings);
}
