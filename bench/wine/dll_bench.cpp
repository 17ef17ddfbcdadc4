// The shipped DLL timed under Wine. Loads dovrink.dll from its own folder as a mail client does,
// with the benchmark keywords in plugins\dovrink.ini; puts a counter in place of the message boxes
// of the DLL and of the literal reference linked in here; and times whole view updates on the
// benchmark mail, ordinary and made against the viewer, beside anchors in the same process: the
// C runtime's memcpy of the body into a fresh buffer plus its memchr over the body, and the
// literal reference compiled for Windows. Prints every target with its figure, the median of
// ratios of runs timed back to back, and exits 1 when one is not met. DOVRINK_VECTORS=sse2 makes
// the DLL use its baseline kernels. Run it from its own folder: the settings' relative path starts
// there. usage: dll_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "import_patch.h"
#include "literal_viewer.h"
#include "mail_client.h"
#include "mail_text.h"
#include "platform/lead_bytes.h"
#include "settings/settings.h"
#include "test_host.h"
#include "viewer/issue.h"

namespace {

constexpr size_t MiB = 1 << 20;
constexpr size_t Sizes[] = {MiB, 16 * MiB, 64 * MiB};
constexpr size_t LiteralSize = 16 * MiB;
constexpr int Runs = 7;
constexpr int LiteralRuns = 3;
// What ends a section: a line feed and the separator.
const std::string SeparatorText = std::string("\n") + DefaultSeparator;

int Boxes = 0;

// The targets on ordinary mail: the SSE2 baseline, with half the vector width and a 32-bit
// process's eight vector registers, is allowed a quarter more time than the anchor. The anchor,
// the memory's own speed, is the target; against the literal reading, whose speed is the
// processor's more than the plugin's, the rows only guard against a gross regression.
struct Targets {
    double MostTimesAnchor;
    double LeastTimesLiteral;
};
constexpr Targets Avx2Targets = {1.0, 25.0};
constexpr Targets Sse2Targets = {1.25, 25.0};
// On mail made against the viewer, for either.
constexpr Targets ShapedTargets = {2.0, 12.0};

int WINAPI CountBox(HWND, LPCSTR, LPCSTR, UINT) {
    ++Boxes;
    return IDOK;
}

bool WriteSettings() {
    CreateDirectoryA("plugins", nullptr);
    FILE *file = std::fopen("plugins\\dovrink.ini", "wb");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "[dovrink]\r\n");
    const std::vector<std::string> &keywords = BenchKeywords();
    for (size_t i = 0; i < keywords.size(); ++i) {
        std::fprintf(file, "keyword%u=%s\r\n", static_cast<unsigned>(i), keywords[i].c_str());
    }
    return std::fclose(file) == 0;
}

double Seconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The time one call of `work` takes, repeating it for at least `least` seconds.
template <class Work> double TimeOf(Work work, double least) {
    const double start = Seconds();
    int calls = 0;
    double elapsed = 0;
    do {
        work();
        ++calls;
        elapsed = Seconds() - start;
    } while (elapsed < least);
    return elapsed / calls;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median over `runs` of the time `work` takes against the time `anchor` takes, each pair
// timed back to back, so that the machine's load changes little between the two.
template <class Work, class Anchor>
double MedianRatio(Work work, Anchor anchor, int runs, double least) {
    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        const double anchorTime = TimeOf(anchor, least);
        ratios.push_back(TimeOf(work, least) / anchorTime);
    }
    return Median(ratios);
}

// Where the anchor's scan ended, kept so that the compiler does not drop the work.
const void *volatile Scanned = nullptr;

// What a host's fetch of the body costs at the least: a copy into a fresh block, and a scan.
void Anchor(const std::string &body) {
    auto *copy = static_cast<char *>(std::malloc(body.size() + 1));
    if (copy == nullptr) {
        return;
    }
    std::memcpy(copy, body.c_str(), body.size() + 1);
    // The copy's bytes are unknown to the compiler from here: memchr must read them.
    asm volatile("" : : "r"(copy) : "memory");
    Scanned = std::memchr(copy, '\0', body.size() + 1);
    std::free(copy);
}

// Shows the section of `keyword` in `text`, read to the letter.
void LiteralSection(const char *text, const char *keyword) {
    const char *start = LiteralFindText(text, keyword);
    const char *end = start != nullptr ? LiteralFindText(start, SeparatorText.c_str()) : nullptr;
    if (end == nullptr || end == start) {
        return;
    }
    const auto kept = static_cast<size_t>(end - start - 1);
    auto *excerpt = static_cast<char *>(std::malloc(kept + 1));
    if (excerpt != nullptr) {
        std::memcpy(excerpt, start, kept);
        excerpt[kept] = '\0';
        LiteralShowPaged(excerpt, keyword, DefaultPageLines);
        std::free(excerpt);
    }
}

// A whole view update read to the letter: the body fetched into a fresh block, the marker
// sought in its window, then every keyword's section.
void LiteralUpdate() {
    const DWORD length = HostGetBodyTextLength();
    auto *text = static_cast<char *>(std::calloc(length, 1));
    if (text == nullptr) {
        return;
    }
    HostGetBodyText(length, text);
    char window[ProbeSize] = {};
    std::memcpy(window, text, std::min<size_t>(length, MarkerWindow));
    if (LiteralFindText(window, IssueMarker) != nullptr) {
        for (const std::string &keyword : BenchKeywords()) {
            LiteralSection(text, keyword.c_str());
        }
    }
    std::free(text);
}

struct Row {
    std::string Figure;
    size_t Size;
    double Value;
    double Bound;
    bool AtMost;
};

bool Met(const Row &row) { return row.AtMost ? row.Value <= row.Bound : row.Value >= row.Bound; }

void Print(const std::vector<Row> &rows, const char *vectors) {
    std::printf("\nShipped DLL under Wine, %s vectors\n", vectors);
    std::printf("%-52s %8s %10s %9s\n", "Target", "Size", "Figure", "Needed");
    for (const Row &row : rows) {
        std::printf("%-52s %5u MiB %10.2f %3s %5.2f  %s\n", row.Figure.c_str(),
                    static_cast<unsigned>(row.Size / MiB), row.Value,
                    row.AtMost ? "<=" : ">=", row.Bound, Met(row) ? "met" : "NOT MET");
    }
}

bool AllMet(const std::vector<Row> &rows) { return std::all_of(rows.begin(), rows.end(), Met); }

// The boxes of one update.
int BoxesOf(void(WINAPI *update)()) {
    Boxes = 0;
    update();
    return Boxes;
}

void Measure(Shape shape, size_t size, void(WINAPI *update)(), const Targets &ordinaryTargets,
             std::vector<Row> &rows) {
    const std::string &body = ShapedMail(shape, size);
    SetMessageOnView(body);
    const std::string name = ShapeNames[static_cast<int>(shape)];
    const Targets &targets = shape == Shape::Ordinary ? ordinaryTargets : ShapedTargets;
    const double anchored = MedianRatio(
        update, [&] { Anchor(body); }, Runs, 0.1);
    rows.push_back({"Update " + name + ", x time of memcpy + memchr", size, anchored,
                    targets.MostTimesAnchor, true});
    if (size != LiteralSize) {
        return;
    }
    const double literal = MedianRatio(LiteralUpdate, update, LiteralRuns, 0);
    rows.push_back({"Update " + name + ", x faster than the literal", size, literal,
                    targets.LeastTimesLiteral, false});
    // Both did the same work.
    const int shown = BoxesOf(update);
    Boxes = 0;
    LiteralUpdate();
    rows.push_back({"Update " + name + ", boxes shown less the literal's", size,
                    static_cast<double>(shown - Boxes), 0.0, true});
}

} // namespace

int main() {
    if (!WriteSettings()) {
        std::fprintf(stderr, "dll_bench: cannot write plugins\\dovrink.ini here\n");
        return 2;
    }
    LoadLeadBytes();
    auto *countBox = reinterpret_cast<void *>(CountBox);
    ClientPlugin plugin;
    if (!LoadClientPlugin("dovrink.dll", plugin) ||
        !PatchImport(plugin.Module, "user32.dll", "MessageBoxA", countBox) ||
        !PatchImport(GetModuleHandleA(nullptr), "user32.dll", "MessageBoxA", countBox) ||
        plugin.Init() == 0) {
        std::fprintf(stderr, "dll_bench: dovrink.dll did not load, patch or initialise\n");
        return 2;
    }
    const char *forced = std::getenv("DOVRINK_VECTORS");
    __builtin_cpu_init();
    const char *vectors = forced != nullptr                ? forced
                          : __builtin_cpu_supports("avx2") ? "avx2"
                                                           : "sse2";
    const Targets &targets = std::strcmp(vectors, "avx2") == 0 ? Avx2Targets : Sse2Targets;
    std::vector<Row> rows;
    for (const size_t size : Sizes) {
        for (int shape = 0; shape < ShapeCount; ++shape) {
            Measure(static_cast<Shape>(shape), size, plugin.OnUpdateView, targets, rows);
        }
    }
    Print(rows, vectors);
    return AllMet(rows) ? 0 : 1;
}
