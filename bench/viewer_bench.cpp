// How the excerpt viewer's scans grow with the body: each against a reference in the same run.
// Prints, after Google Benchmark's own table, the ratios that matter:
//   FindText in Shift_JIS against strstr on the same bytes (the price of double-byte awareness),
//   and the time for a body four times larger against the smaller one (4.0 is linear), also for
//   the text that makes a double-byte search work hardest.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "platform/posix/environment.h"
#include "platform/windows_api.h"
#include "settings/settings.h"
#include "viewer/excerpt.h"
#include "viewer/find_text.h"
#include "viewer/lead_bytes.h"
#include "viewer/paged_display.h"

// Boxes are answered at once: only the paging is measured.
int MessageBoxA(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

namespace {

constexpr size_t MiB = 1 << 20;

// Shift_JIS prose with CR LF line ends and a paragraph break every ten lines, `size` bytes long,
// then the keyword's section and the separator.
std::string Issue(size_t size) {
    const std::string line = "\x90\xEC\x89\x88\x82\xA2\x82\xCC\x8C\xC3\x82\xA2\x91\x71\x8C\xC9 "
                             "\x95\x5C\x8E\xA6 text 0123456789\r\n";
    std::string body = "Weekly Vesk\r\n";
    for (size_t lines = 0; body.size() < size; ++lines) {
        body += lines % 10 == 9 ? "\r\n" : line;
    }
    return body + "### Notes\r\nthe end\r\n=========\r\n";
}

void UseCodePage(const char *codePage) {
    setenv(CodePageVariable, codePage, 1);
    LoadLeadBytes();
    Settings.SeparatorText = "\n=========";
}

void FindTextIn(benchmark::State &state, const char *codePage) {
    UseCodePage(codePage);
    const std::string body = Issue(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindText(body.c_str(), "### Notes"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.size()));
}

void BM_StrstrReference(benchmark::State &state) {
    const std::string body = Issue(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strstr(body.c_str(), "### Notes"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.size()));
}

void BM_FindTextShiftJis(benchmark::State &state) { FindTextIn(state, "932"); }
void BM_FindTextSingleByte(benchmark::State &state) { FindTextIn(state, "1252"); }

// The worst case for double-byte awareness: every character is 0x88 0x9F, and the pattern
// 0x9F 0x88 ... matches inside every pair of them, never on a boundary.
void BM_FindTextMisaligned(benchmark::State &state) {
    UseCodePage("932");
    std::string body;
    while (body.size() < static_cast<size_t>(state.range(0))) {
        body += "\x88\x9F";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindText(body.c_str(), "\x9F\x88\x9F\x88x"));
    }
}

void BM_CutExcerpt(benchmark::State &state) {
    UseCodePage("932");
    const std::string body = Issue(static_cast<size_t>(state.range(0)));
    std::string excerpt(body.size(), '\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(CutExcerpt(body.c_str(), "Weekly Vesk", excerpt.data()));
    }
}

void BM_ShowPaged(benchmark::State &state) {
    const std::string excerpt = Issue(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShowPaged(excerpt.c_str(), "### Notes", 30));
    }
}

// Medians of five runs: this machine is shared, and single runs wander.
void Sizes(benchmark::internal::Benchmark *benchmark) {
    benchmark->Arg(MiB)->Arg(4 * MiB)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_StrstrReference)->Apply(Sizes);
BENCHMARK(BM_FindTextShiftJis)->Apply(Sizes);
BENCHMARK(BM_FindTextSingleByte)->Apply(Sizes);
BENCHMARK(BM_FindTextMisaligned)->Apply(Sizes);
BENCHMARK(BM_CutExcerpt)->Apply(Sizes);
BENCHMARK(BM_ShowPaged)->Apply(Sizes);

// Keeps each benchmark's median time per iteration by name, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                Times[run.run_name.function_name + "/" + run.run_name.args] =
                    run.GetAdjustedRealTime();
            }
        }
    }
    // Prints numerator / denominator when both ran (a filter may have left either out).
    void PrintRatio(const char *label, const std::string &numerator,
                    const std::string &denominator) const {
        const auto top = Times.find(numerator);
        const auto bottom = Times.find(denominator);
        if (top != Times.end() && bottom != Times.end()) {
            std::printf("  %-52s %5.2f\n", label, top->second / bottom->second);
        }
    }

  private:
    std::map<std::string, double> Times;
};

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string small = "/" + std::to_string(MiB);
    const std::string large = "/" + std::to_string(4 * MiB);
    std::printf("\nRatios of medians (same run):\n");
    reporter.PrintRatio("FindText in Shift_JIS / strstr, 4 MiB", "BM_FindTextShiftJis" + large,
                        "BM_StrstrReference" + large);
    reporter.PrintRatio("FindText single-byte / strstr, 4 MiB", "BM_FindTextSingleByte" + large,
                        "BM_StrstrReference" + large);
    for (const std::string name :
         {"BM_FindTextShiftJis", "BM_FindTextMisaligned", "BM_CutExcerpt", "BM_ShowPaged"}) {
        reporter.PrintRatio((name + " 4 MiB / 1 MiB (4.00 is linear)").c_str(), name + large,
                            name + small);
    }
    return 0;
}
