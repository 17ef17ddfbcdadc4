#include "diagnosis/settings_check.h"

#include <cstdlib>
#include <cstring>

#include "platform/profile_text.h"
#include "platform/saved_text.h"
#include "platform/text_encoding.h"
#include "platform/windows_api.h"
#include "settings/unicode_file.h"
#include "viewer/caption.h"

namespace {

// Enough of a settings file in the code page to find its keys in: a settings file takes a few
// hundred bytes.
constexpr DWORD AnsiBytesRead = 64 * 1024;

void Add(SettingsFindings &findings, SettingsMistake mistake, const char *key, size_t keyLength,
         long number) {
    if (findings.Count == MostSettingsFindings) {
        return;
    }
    SettingsFinding &finding = findings.Items[findings.Count++];
    finding.Mistake = mistake;
    const size_t kept = keyLength < KeyNameSize - 1 ? keyLength : KeyNameSize - 1;
    std::memcpy(finding.Key, key, kept);
    finding.Key[kept] = '\0';
    finding.Number = number;
}

void Add(SettingsFindings &findings, SettingsMistake mistake, const char *key, long number = 0) {
    Add(findings, mistake, key, std::strlen(key), number);
}

// A settings file's text as it stands: its Unicode text in UTF-8, or the first bytes of a file in
// the code page. Its ASCII (names, "=", brackets) reads the same in either; no trail byte of
// code page 932 is one of them.
class FileText {
  public:
    explicit FileText(const char *path) {
        ReadUnicodeText(path, Unicode);
        if (Unicode.Encoding != SettingsEncoding::Ansi) {
            Text = Unicode.Text;
            Length = Unicode.Length;
            return;
        }
        // Without memory for them, the file's values and keys go unchecked.
        Bytes = static_cast<char *>(std::malloc(AnsiBytesRead));
        if (Bytes != nullptr) {
            Text = Bytes;
            Length = ReadFileStart(path, Bytes);
        }
    }
    ~FileText() { std::free(Bytes); }
    FileText(const FileText &) = delete;
    FileText &operator=(const FileText &) = delete;

    SettingsEncoding Encoding() const { return Unicode.Encoding; }

    bool Value(const char *key, const char *&value, size_t &length) const {
        return FindProfileValue(Text, Length, SettingsSection, key, value, length);
    }

    bool Section(ProfileEntries &entries) const {
        return FindProfileSection(Text, Length, SettingsSection, entries);
    }

  private:
    static size_t ReadFileStart(const char *path, char *bytes) {
        HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return 0;
        }
        DWORD got = 0;
        const bool read = ReadFile(file, bytes, AnsiBytesRead, &got, nullptr) != FALSE;
        CloseHandle(file);
        return read ? got : 0;
    }

    UnicodeSettingsText Unicode;
    char *Bytes = nullptr;
    const char *Text = "";
    size_t Length = 0;
};

// What keeps a value as the file writes it from matching a mail as the reader meant it.
void CheckValue(const FileText &file, const char *key, ValueSource source,
                SettingsFindings &findings) {
    const char *value = nullptr;
    size_t length = 0;
    if (!file.Value(key, value, length)) {
        return;
    }
    const bool utf8 = IsUtf8BeyondAscii(value, length);
    if (source == ValueSource::BeyondCodePage && !utf8) {
        Add(findings, SettingsMistake::MarkOverOther, key);
    } else if (source == ValueSource::BeyondCodePage) {
        Add(findings, SettingsMistake::BeyondCodePage, key,
            FirstCharacterBeyondCodePage(value, length));
    } else if (file.Encoding() != SettingsEncoding::Ansi) {
        return;
    } else if (utf8) {
        Add(findings, SettingsMistake::Utf8InAnsiFile, key);
    } else if (length > 0 && MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, value,
                                                 static_cast<int>(length), nullptr, 0) == 0) {
        Add(findings, SettingsMistake::NotText, key);
    }
}

bool StartsWithKeyword(const char *name, size_t length) {
    const char prefix[] = "keyword";
    const size_t prefixLength = sizeof prefix - 1;
    if (length <= prefixLength) {
        return false;
    }
    for (size_t i = 0; i < prefixLength; ++i) {
        if ((name[i] | 0x20) != prefix[i]) {
            return false;
        }
    }
    for (size_t i = prefixLength; i < length; ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return false;
        }
    }
    return true;
}

// Numbered keyword keys that are not asked for: only single digits below KeywordCount are, so
// "keyword9" and "keyword08" are keys that nothing reads.
void CheckUnreadKeys(const FileText &file, SettingsFindings &findings) {
    ProfileEntries entries{};
    if (!file.Section(entries)) {
        return;
    }
    for (ProfileEntry entry{}; NextProfileEntry(entries, entry);) {
        const bool asked = entry.NameLength == KeywordKeySize - 1 &&
                           entry.Name[KeywordKeySize - 2] < '0' + KeywordCount;
        if (StartsWithKeyword(entry.Name, entry.NameLength) && !asked) {
            Add(findings, SettingsMistake::NeverRead, entry.Name, entry.NameLength, 0);
        }
    }
}

void CheckKeywords(const char *path, const PluginSettings &settings, SettingsFindings &findings) {
    const FileText file(path);
    for (int i = 0; i < KeywordCount; ++i) {
        if (settings.Keywords[i][0] == '\0') {
            continue;
        }
        char key[KeywordKeySize];
        KeywordKey(i, key);
        CheckValue(file, key, settings.KeywordSources[i], findings);
        if (*CaptionOf(settings.Keywords[i]) == '\0') {
            Add(findings, SettingsMistake::NoCaption, key);
        }
    }
    CheckUnreadKeys(file, findings);
}

void CheckSeparatorAndPageLines(const char *path, const PluginSettings &settings,
                                SettingsFindings &findings) {
    const FileText file(path);
    CheckValue(file, "separator", settings.SeparatorSource, findings);
    const auto asRead = static_cast<std::int32_t>(
        GetPrivateProfileIntA(SettingsSection, "line", settings.PageLines, path));
    if (asRead != settings.PageLines) {
        Add(findings, SettingsMistake::FewPageLines, "line", asRead);
    }
}

} // namespace

void CheckSettings(const char *keywordFile, const char *separatorFile,
                   const PluginSettings &settings, SettingsFindings &findings) {
    findings.Count = 0;
    if (keywordFile != nullptr) {
        CheckKeywords(keywordFile, settings, findings);
    }
    CheckSeparatorAndPageLines(separatorFile, settings, findings);
}
