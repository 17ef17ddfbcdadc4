#include "diagnosis/settings_check.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "diagnosis/characters.h"
#include "diagnosis/text_lines.h"
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

// Copies the text into a field of `size` bytes, cut to fit at a character of UTF-8.
void Keep(char *field, size_t size, const char *text, size_t length) {
    size_t kept = length < size - 1 ? length : size - 1;
    while (kept < length && kept > 0 && (static_cast<unsigned char>(text[kept]) & 0xC0) == 0x80) {
        --kept;
    }
    std::memcpy(field, text, kept);
    field[kept] = '\0';
}

SettingsFinding *Add(SettingsFindings &findings, SettingsMistake mistake, const char *key,
                     size_t keyLength, long number) {
    if (findings.Count == MostSettingsFindings) {
        return nullptr;
    }
    SettingsFinding &finding = findings.Items[findings.Count++];
    finding = SettingsFinding{};
    finding.Mistake = mistake;
    Keep(finding.Key, KeyNameSize, key, keyLength);
    finding.Number = number;
    return &finding;
}

SettingsFinding *Add(SettingsFindings &findings, SettingsMistake mistake, const char *key,
                     long number = 0) {
    return Add(findings, mistake, key, std::strlen(key), number);
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

    // The file's text in UTF-16, whatever it is saved in.
    WideText Wide() const {
        const UINT codePage = Unicode.Encoding == SettingsEncoding::Ansi ? CP_ACP : CP_UTF8;
        return WideOf(codePage, std::string(Text, Length));
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
        const long beyond = FirstCharacterBeyondCodePage(value, length);
        if (SettingsFinding *finding =
                Add(findings, SettingsMistake::BeyondCodePage, key, beyond)) {
            Keep(finding->Text, FindingTextSize, value, length);
            finding->LookAlike = LookAlikeInCodePage(beyond);
        }
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
    const char *prefix = KeywordKeyPrefix;
    const size_t prefixLength = sizeof KeywordKeyPrefix - 1;
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

WideText Trimmed(const WideText &text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && (IsBlank(text[first]) || text[first] == '\r')) {
        ++first;
    }
    while (last > first && (IsBlank(text[last - 1]) || text[last - 1] == '\r')) {
        --last;
    }
    return text.substr(first, last - first);
}

// ASCII letters in lower case, full-width letters and digits as ASCII.
std::string Folded(const WideText &text) {
    std::vector<size_t> from;
    std::string folded;
    for (const WCHAR c : LenientForm(text, from)) {
        folded += c < 0x80 ? static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) : '?';
    }
    return folded;
}

bool IsKnownKey(const std::string &key) {
    const bool keyword = key.size() == KeywordKeySize - 1 &&
                         key.compare(0, sizeof KeywordKeyPrefix - 1, KeywordKeyPrefix) == 0 &&
                         key.back() >= '0' && key.back() < '0' + KeywordCount;
    return keyword || key == SeparatorKey || key == PageLinesKey;
}

bool IsFullWidth(const WideText &text) {
    return std::any_of(text.begin(), text.end(),
                       [](WCHAR c) { return c >= 0xFF01 && c <= 0xFF5E; });
}

// How many letters apart two short names are, as a reader mistypes them.
size_t Distance(const std::string &a, const std::string &b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const size_t change = diagonal + (a[i - 1] != b[j - 1] ? 1 : 0);
            row[j] = std::min(std::min(row[j], row[j - 1]) + 1, change);
            diagonal = above;
        }
    }
    return row[b.size()];
}

void AddLine(SettingsFindings &findings, SettingsMistake mistake, const WideText &text, int line,
             long why) {
    const std::string utf8 = Utf8OfWide(text);
    if (SettingsFinding *finding = Add(findings, mistake, "", 0, why)) {
        finding->Line = line;
        Keep(finding->Text, FindingTextSize, utf8.data(), utf8.size());
    }
}

// The line "key = value" of the file that stands at `line`: whether the plugin reads it.
void CheckEntryLine(const WideText &text, int line, bool inSection, SettingsFindings &findings) {
    const size_t equals = text.find('=');
    const size_t wide = text.find(static_cast<WCHAR>(0xFF1D));
    const size_t split = equals != WideText::npos ? equals : wide;
    const WideText key = Trimmed(text.substr(0, split));
    const std::string folded = Folded(key);
    const bool known = IsKnownKey(folded);
    const bool numbered = folded.compare(0, sizeof KeywordKeyPrefix - 1, KeywordKeyPrefix) == 0;
    long why = -1;
    if (split == WideText::npos) {
        why = static_cast<long>(NotRead::NoEquals);
    } else if (equals == WideText::npos) {
        why = static_cast<long>(NotRead::FullWidthEquals);
    } else if (known && IsFullWidth(key)) {
        why = static_cast<long>(NotRead::FullWidthKey);
    } else if (!known && !numbered) {
        why = static_cast<long>(NotRead::UnknownKey);
    } else if (known && !inSection) {
        why = static_cast<long>(NotRead::OutsideSection);
    }
    if (why >= 0) {
        AddLine(findings, SettingsMistake::LineNotRead, text, line, why);
    }
}

// In a file with no section of the plugin's, every setting stands outside it: the missing section
// is told once, not line by line.
void DropOutsideSection(SettingsFindings &findings, int first) {
    int kept = first;
    for (int i = first; i < findings.Count; ++i) {
        const SettingsFinding &finding = findings.Items[i];
        if (finding.Mistake != SettingsMistake::LineNotRead ||
            finding.Number != static_cast<long>(NotRead::OutsideSection)) {
            findings.Items[kept++] = finding;
        }
    }
    findings.Count = kept;
}

// Each line of the file as the plugin reads it: the lines it reads as no setting, and whether it
// has its section at all.
void CheckLines(const FileText &file, SettingsFindings &findings) {
    const WideText wide = file.Wide();
    const int first = findings.Count;
    bool inSection = false;
    bool hasSection = false;
    WideText misspelt;
    int misspeltLine = 0;
    int line = 0;
    for (size_t start = 0; start <= wide.size() && !wide.empty();) {
        const size_t end = std::min(wide.find('\n', start), wide.size());
        const WideText text = Trimmed(wide.substr(start, end - start));
        start = end + 1;
        ++line;
        if (text.empty() || text[0] == ';' || text[0] == '#') {
            continue;
        }
        if (text[0] == '[' || text[0] == 0xFF3B) {
            const std::string name = Folded(Trimmed(text.substr(1, text.size() - 2)));
            inSection = text[0] == '[' && name == SettingsSection;
            hasSection = hasSection || inSection;
            if (!inSection && misspeltLine == 0 && Distance(name, SettingsSection) <= 2) {
                misspelt = text;
                misspeltLine = line;
            }
            continue;
        }
        CheckEntryLine(text, line, inSection, findings);
    }
    if (!hasSection && !wide.empty()) {
        DropOutsideSection(findings, first);
        AddLine(findings, SettingsMistake::NoSection, misspelt, misspeltLine, 0);
    }
}

// A missing settings file that the reader has saved under another name or in another folder:
// Notepad's added ".txt", or the mail client's folder instead of its plugins folder.
void CheckElsewhere(const char *path, SettingsFindings &findings) {
    if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    const std::string file = path;
    std::vector<std::string> places = {file + ".txt"};
    const size_t plugins = file.rfind(SettingsFileInPlugins);
    if (plugins != std::string::npos) {
        places.push_back(file.substr(0, plugins) + SettingsFileName);
    }
    for (size_t i = 0; i < places.size(); ++i) {
        const DWORD attributes = GetFileAttributesA(places[i].c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            AddLine(findings, SettingsMistake::FileElsewhere, WideOfAnsi(places[i]), 0,
                    static_cast<long>(i));
        }
    }
}

void CheckKeywords(const char *path, const PluginSettings &settings, SettingsFindings &findings) {
    const FileText file(path);
    CheckElsewhere(path, findings);
    CheckLines(file, findings);
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
    CheckValue(file, SeparatorKey, settings.SeparatorSource, findings);
    const auto asRead = static_cast<std::int32_t>(
        GetPrivateProfileIntA(SettingsSection, PageLinesKey, settings.PageLines, path));
    if (asRead != settings.PageLines) {
        Add(findings, SettingsMistake::FewPageLines, PageLinesKey, asRead);
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
