// Bytes through the preview's whole path, as readers bring them: as a file; as that file
// compressed with gzip, bzip2 and xz, whole, cut short, with a byte flipped and with bytes after
// it; and as a Maildir and a plain folder that hold it with a named pipe beside it. Each is read,
// shown by a view update and explained as dovrink-preview does. Every run must end (libFuzzer's
// -timeout stops one that does not) with a bounded transcript: no more than OutputBound bytes,
// and the damage of a file told in one line at most.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "compressed.h"
#include "fuzz_support.h"
#include "host/host_functions.h"
#include "platform/windows_api.h"
#include "plugin/for_preview.h"
#include "plugin/view_update.h"
#include "preview/run/run.h"
#include "preview/stand_in/host_exports.h"
#include "settings/settings_text.h"
#include "settings_record.h"

namespace fs = std::filesystem;

namespace {

// What one file of a few KiB may print at most.
constexpr size_t OutputBound = 100 * 1024;

PluginSettings Settings;
HostFunctions Host;
const PluginInspection Inspection = {&Settings,    KeywordFilePath, CheckSettings,   JudgeText,
                                     AdviseOnText, ProposeSetup,    SettingsFileText};

void WINAPI UpdateView() noexcept { HandleViewUpdate(Host, Settings); }

// The transcript of one run: counted, and kept up to the bound to be read.
struct Transcript {
    std::string Text;
    size_t Bytes = 0;
};

ssize_t Keep(void *cookie, const char *bytes, size_t size) {
    auto *transcript = static_cast<Transcript *>(cookie);
    transcript->Bytes += size;
    if (transcript->Text.size() < OutputBound) {
        transcript->Text.append(bytes, std::min(size, OutputBound - transcript->Text.size()));
    }
    return static_cast<ssize_t>(size);
}

// The lines that tell of the file's damage.
size_t DamageLines(const std::string &text, const std::string &path) {
    size_t lines = 0;
    const std::string damaged = "Damaged: " + path;
    for (size_t at = 0; (at = text.find(damaged, at)) != std::string::npos; at += damaged.size()) {
        lines += at == 0 || text[at - 1] == '\n' ? 1 : 0;
    }
    return lines;
}

// Whether the runs of this input propose the settings instead of showing the boxes.
bool Suggesting = false;

void Preview(const std::vector<std::string> &paths, const std::string &damaged = "") {
    Transcript transcript;
    std::FILE *out = fopencookie(&transcript, "w", {nullptr, Keep, nullptr, nullptr});
    PluginLibrary plugin;
    plugin.Entries.OnUpdateView = UpdateView;
    plugin.Inspection = &Inspection;
    PreviewRun run(plugin, 932, true, Suggesting, out);
    run.PreviewAll(paths);
    std::fclose(out);
    Check(transcript.Bytes <= OutputBound);
    Check(damaged.empty() || DamageLines(transcript.Text, damaged) <= 1);
}

void Write(const fs::path &path, const std::string &bytes) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    Check(file != nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The compressed bytes as a download that stopped, a disk that flipped a bit, and a file with
// something after it leave them; `choice` says where.
std::vector<std::string> Damaged(const std::string &compressed, unsigned char choice) {
    return {CutShort(compressed, 1 + choice % 7), Flipped(compressed, choice % 16, choice % 8),
            WithGarbage(compressed)};
}

class Scratch {
  public:
    Scratch() {
        char name[] = "/tmp/fuzz_preview_run.XXXXXX";
        Check(mkdtemp(name) != nullptr);
        Root = name;
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(Root, ignored);
    }
    Scratch(const Scratch &) = delete;
    Scratch &operator=(const Scratch &) = delete;

    // A fresh, empty folder of that name.
    fs::path Fresh(const char *name) const {
        const fs::path folder = Root / name;
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        fs::create_directories(folder);
        return folder;
    }

  private:
    fs::path Root;
};

void PreviewFile(const fs::path &folder, const std::string &bytes) {
    const fs::path file = folder / "message";
    Write(file, bytes);
    Preview({file.string()});
}

void PreviewCompressed(const fs::path &folder, const std::string &bytes, unsigned char choice) {
    for (const CompressionFormat &format : CompressionFormats) {
        const std::string compressed = format.Compress(bytes);
        const fs::path whole = folder / (std::string("mail") + format.Extension);
        Write(whole, compressed);
        Preview({whole.string()});
        for (const std::string &damaged : Damaged(compressed, choice)) {
            Write(whole, damaged);
            Preview({whole.string()}, whole.string());
        }
    }
}

// The bytes split in two at an empty line (or in the middle), as two messages.
std::pair<std::string, std::string> Halves(const std::string &bytes) {
    size_t split = bytes.find("\n\n");
    split = split == std::string::npos ? bytes.size() / 2 : split + 2;
    return {bytes.substr(0, split), bytes.substr(split)};
}

void PreviewFolders(const Scratch &scratch, const std::string &bytes, unsigned char choice) {
    const auto [first, second] = Halves(bytes);
    const fs::path maildir = scratch.Fresh("maildir");
    fs::create_directories(maildir / "cur");
    fs::create_directories(maildir / "new");
    Write(maildir / "cur" / "1.eml", first);
    Check(mkfifo((maildir / "cur" / "2.pipe").c_str(), 0600) == 0);
    Write(maildir / "new" / "3:2,S", second);
    Write(maildir / "new" / "4.gz", Damaged(Gzip(bytes), choice)[0]);
    Preview({maildir.string()});

    const fs::path folder = scratch.Fresh("folder");
    Write(folder / "a.eml", bytes);
    Check(mkfifo((folder / "b").c_str(), 0600) == 0);
    Write(folder / "c.xz", Damaged(Xz(bytes), choice)[1]);
    Preview({folder.string(), (folder / "b").string()});
}

} // namespace

int MessageBoxA(HWND, LPCSTR, LPCSTR caption, UINT) {
    static unsigned shown = 0;
    const bool cancelled = ++shown % 3 == 0;
    DovrinkWatchBox(caption, cancelled ? 1 : 0);
    return cancelled ? IDCANCEL : IDOK;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    static const bool ready = [] {
        setenv(CodePageVariable, "932", 1);
        LoadLeadBytes();
        SetKeyword(Settings, 0, "\x81\x9F\x81\x9F\x87\x40\x82\xA8\x92\x6D\x82\xE7\x82\xB9");
        SetKeyword(Settings, 1, "### Tips");
        SetSeparator(Settings, "\x84\x9F\x84\x9F\x84\x9F");
        Settings.PageLines = 8;
        Host.GetBodyTextLength = GetBodyTextLength;
        Host.GetBodyText = GetBodyText;
        return true;
    }();
    (void)ready;
    static const Scratch scratch;
    UseKernels(size % 2 != 0);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const unsigned char choice = size > 0 ? data[size - 1] : 0;
    Suggesting = (choice & 0x40) != 0;
    const fs::path files = scratch.Fresh("files");
    PreviewFile(files, bytes);
    PreviewCompressed(files, bytes, choice);
    PreviewFolders(scratch, bytes, choice);
    return 0;
}
