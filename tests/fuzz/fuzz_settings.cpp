// The POSIX settings reader, LoadSettings and the check of its mistakes on any file: answers fit
// their buffers, and the settings and the findings stay within their bounds.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "diagnosis/settings_check.h"
#include "diagnosis/words.h"
#include "fuzz_support.h"
#include "platform/text_encoding.h"
#include "platform/windows_api.h"
#include "settings/settings.h"

namespace {

std::string SettingsFile;

} // namespace

// A host folder of our own with its plugins folder, also the current directory, where the
// separator and the page length are read; in memory where the system has a place for it, since
// every run writes the file.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    char inMemory[] = "/dev/shm/dovrink-fuzz-settings-XXXXXX";
    char onDisk[] = "/tmp/dovrink-fuzz-settings-XXXXXX";
    char *folder = mkdtemp(inMemory) != nullptr ? inMemory : mkdtemp(onDisk);
    if (folder == nullptr || chdir(folder) != 0) {
        std::abort();
    }
    const std::string plugins = std::string(folder) + "/plugins";
    if (mkdir(plugins.c_str(), 0700) != 0) {
        std::abort();
    }
    setenv(HostDirVariable, folder, 1);
    SettingsFile = plugins + "/dovrink.ini";
    return 0;
}

namespace {

// One query of the reader, as the settings make them, into a heap block of the size it is given.
void QueryOnce(FuzzedDataProvider &input, const char *path) {
    static const char *const Keys[] = {"keyword0", "keyword8", "separator", "line", "Keyword1"};
    const std::string section =
        input.ConsumeBool() ? SettingsSection : input.ConsumeRandomLengthString(8);
    const char *key = Keys[input.ConsumeIntegralInRange<int>(0, 4)];
    const auto size = input.ConsumeIntegralInRange<DWORD>(1, 300);
    auto *value = static_cast<char *>(std::malloc(size));
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key, "=========", value, size, path);
    Check(length < size && std::strlen(value) == length);
    std::free(value);
    GetPrivateProfileIntA(section.c_str(), key, 30, path);
}

bool IsAscii(const char *text, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            return false;
        }
    }
    return true;
}

// The whole reading, and the bounds every setting keeps.
void LoadAll() {
    PluginSettings settings;
    LoadSettings(settings);
    for (const auto &keyword : settings.Keywords) {
        Check(strnlen(keyword, SettingsValueSize) < SettingsValueSize);
    }
    const size_t separator = strnlen(settings.SeparatorText, sizeof settings.SeparatorText);
    Check(separator >= 1 && separator <= SettingsValueSize && settings.SeparatorText[0] == '\n');
    Check(settings.PageLines >= FewestPageLines);
    SettingsFindings findings;
    CheckSettings(SettingsFile.c_str(), RelativeSettingsPath, settings, findings);
    Check(findings.Count >= 0 && findings.Count <= MostSettingsFindings);
    for (int i = 0; i < findings.Count; ++i) {
        const SettingsFinding &finding = findings.Items[i];
        Check(strnlen(finding.Key, KeyNameSize) < KeyNameSize);
        // The line or value as written is whole UTF-8, cut to fit between characters.
        const size_t text = strnlen(finding.Text, FindingTextSize);
        Check(text < FindingTextSize &&
              (text == 0 || IsUtf8BeyondAscii(finding.Text, text) || IsAscii(finding.Text, text)));
        Check(!DescribeMistake(WordsFor(932), finding, settings, 932).empty());
    }
}

} // namespace

// Mostly single queries, which are quick; one run in eight reads all the settings (eleven queries).
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    FuzzedDataProvider input(data, size);
    UseFuzzedCodePage(input);
    const bool whole = input.ConsumeIntegralInRange<int>(0, 7) == 0;
    const std::string query = input.ConsumeRandomLengthString(16);
    const std::string file = input.ConsumeRemainingBytesAsString();
    FILE *out = std::fopen(SettingsFile.c_str(), "wb");
    Check(out != nullptr);
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
    if (whole) {
        LoadAll();
    } else {
        FuzzedDataProvider queryInput(reinterpret_cast<const unsigned char *>(query.data()),
                                      query.size());
        QueryOnce(queryInput, RelativeSettingsPath);
    }
    return 0;
}
