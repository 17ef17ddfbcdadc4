// The excerpt viewer against its anchors, same text and same pattern in the same run: glibc's
// memmem, nine memmem passes and a memchr pass for a whole update, and the literal reading of
// FindText and ShowPaged. After Google Benchmark's own table it prints every target with its
// ratio, from medians of five runs, and writes the figures to a JSON file
// ($DOVRINK_BENCH_JSON, viewer-bench.json by default).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "bench_host.h"
#include "counting_heap.h"
#include "literal_viewer.h"
#include "mail_text.h"
#include "settings/settings.h"
#include "targets.h"
#include "viewer/issue.h"
#include "viewer/paged_display.h"
#include "viewer/scan/scan_kernels.h"
#include "viewer/search/find_text.h"
#include "viewer/sections.h"

namespace {

size_t SizeOf(const benchmark::State &state) { return static_cast<size_t>(state.range(0)); }

void Processed(benchmark::State &state, size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

// The 12-byte pattern of a search figure: absent, or a keyword present near the end.
const char *PatternOf(const char *which) {
    return std::strcmp(which, "absent") == 0 ? AbsentKeyword : BenchKeywords()[6].c_str();
}

void BM_Memmem(benchmark::State &state, const char *which) {
    const std::string &text = MailText(SizeOf(state));
    const char *pattern = PatternOf(which);
    for (auto _ : state) {
        benchmark::DoNotOptimize(memmem(text.data(), text.size(), pattern, std::strlen(pattern)));
    }
    Processed(state, text.size());
}

void BM_FindText(benchmark::State &state, const char *which) {
    UseBenchSettings();
    const std::string &text = MailText(SizeOf(state));
    const char *pattern = PatternOf(which);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindText(text.data(), text.size(), pattern));
    }
    Processed(state, text.size());
}

void BM_HostileFindText(benchmark::State &state) {
    UseBenchSettings();
    const std::string &text = HostileText(SizeOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindText(text.data(), text.size(), HostileKeyword));
    }
    Processed(state, text.size());
}

void BM_HostileLiteralFindText(benchmark::State &state) {
    UseBenchSettings();
    const std::string &text = HostileText(SizeOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(LiteralFindText(text.c_str(), HostileKeyword));
    }
    Processed(state, text.size());
}

// What a whole update must beat by half: each keyword found by memmem, and one memchr pass.
void BM_UpdateBaseline(benchmark::State &state) {
    const std::string &text = MailText(SizeOf(state));
    for (auto _ : state) {
        for (const std::string &keyword : BenchKeywords()) {
            benchmark::DoNotOptimize(
                memmem(text.data(), text.size(), keyword.data(), keyword.size()));
        }
        benchmark::DoNotOptimize(std::memchr(text.data(), '\0', text.size()));
    }
    Processed(state, text.size());
}

void BM_HandleViewUpdate(benchmark::State &state) {
    UseBenchSettings();
    const std::string &text = MailText(SizeOf(state));
    OfferBody(text);
    for (auto _ : state) {
        UpdateView();
    }
    Processed(state, text.size());
}

// A whole update on mail made against the viewer, against BM_HandleViewUpdate on ordinary mail.
void BM_ShapedUpdate(benchmark::State &state, Shape shape) {
    UseBenchSettings();
    const std::string &text = ShapedMail(shape, SizeOf(state));
    OfferBody(text);
    for (auto _ : state) {
        UpdateView();
    }
    Processed(state, text.size());
}

// The whole mail text as one excerpt, in pages of 30 lines.
void BM_ShowPaged(benchmark::State &state) {
    const std::string &text = MailText(SizeOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShowPaged(text.c_str(), text.size(), "### K", DefaultPageLines));
    }
    Processed(state, text.size());
}

// What paging must beat by half: every line feed of the same text found by the C library, one
// memchr call a line, as any paging has to visit them.
void BM_LineScan(benchmark::State &state) {
    const std::string &text = MailText(SizeOf(state));
    for (auto _ : state) {
        size_t lines = 0;
        const char *end = text.data() + text.size();
        for (const char *at = text.data();
             (at = static_cast<const char *>(
                  std::memchr(at, '\n', static_cast<size_t>(end - at)))) != nullptr;
             ++at) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    Processed(state, text.size());
}

void BM_LiteralShowPaged(benchmark::State &state) {
    const std::string &text = MailText(SizeOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(LiteralShowPaged(text.c_str(), "### K", DefaultPageLines));
    }
    Processed(state, text.size());
}

// Medians of five runs: this machine is shared, and single runs wander.
void Repeated(benchmark::internal::Benchmark *benchmark) {
    benchmark->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
}

void AllSizes(benchmark::internal::Benchmark *benchmark) {
    for (const size_t size : BenchSizes) {
        benchmark->Arg(static_cast<int64_t>(size));
    }
    Repeated(benchmark);
}

// The literal paging re-measures the rest of the text at every byte: only the smallest size.
void SmallestSize(benchmark::internal::Benchmark *benchmark) {
    benchmark->Arg(static_cast<int64_t>(BenchSizes[0]));
    Repeated(benchmark);
}

BENCHMARK_CAPTURE(BM_Memmem, absent, "absent")->Apply(AllSizes);
BENCHMARK_CAPTURE(BM_FindText, absent, "absent")->Apply(AllSizes);
BENCHMARK_CAPTURE(BM_Memmem, present, "present")->Apply(AllSizes);
BENCHMARK_CAPTURE(BM_FindText, present, "present")->Apply(AllSizes);
BENCHMARK(BM_HostileLiteralFindText)->Apply(AllSizes);
BENCHMARK(BM_HostileFindText)->Apply(AllSizes);
BENCHMARK(BM_UpdateBaseline)->Apply(AllSizes);
BENCHMARK(BM_HandleViewUpdate)->Apply(AllSizes);
BENCHMARK_CAPTURE(BM_ShapedUpdate, near_misses, Shape::NearMisses)->Apply(AllSizes);
BENCHMARK_CAPTURE(BM_ShapedUpdate, trailing_keywords, Shape::TrailingKeywords)->Apply(AllSizes);
BENCHMARK_CAPTURE(BM_ShapedUpdate, lead_run, Shape::LeadRun)->Apply(AllSizes);
BENCHMARK_CAPTURE(BM_ShapedUpdate, near_separators, Shape::NearSeparators)->Apply(AllSizes);
BENCHMARK(BM_LineScan)->Apply(AllSizes);
BENCHMARK(BM_ShowPaged)->Apply(AllSizes);
BENCHMARK(BM_LiteralShowPaged)->Apply(SmallestSize);

// Keeps each benchmark's median time per iteration, by name and size.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    explicit MedianReporter(Medians &medians) : ConsoleReporter(OO_Tabular), Kept(medians) {}
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                Kept[run.run_name.function_name + "/" + run.run_name.args] =
                    run.GetAdjustedRealTime();
            }
        }
    }

  private:
    Medians &Kept;
};

// Held at the peak of one update, against the body, its largest excerpt and its largest page.
HeapFigure MeasureHeap(size_t size) {
    UseBenchSettings();
    const std::string &text = MailText(size);
    // An excerpt takes the bytes from its keyword to its separator's line feed.
    std::set<size_t> excerpts;
    KeywordSection sections[KeywordCount];
    FindSections(text.c_str(), text.size() + 1, BenchSettings(), sections);
    for (const KeywordSection &section : sections) {
        if (section.SeparatorStart != nullptr) {
            excerpts.insert(ExcerptLength(section) + 1);
        }
    }
    OfferBody(text);
    ResetHeapPeak();
    UpdateView();
    // Every block but the probe, the body and the excerpts is a page.
    size_t largestPage = 0;
    for (const size_t block : BlocksAsked()) {
        const bool page = block != ProbeSize && block != text.size() && excerpts.count(block) == 0;
        if (page && block > largestPage) {
            largestPage = block;
        }
    }
    const size_t largestExcerpt = *excerpts.rbegin();
    return {size, HeapPeak(), text.size() + largestExcerpt + largestPage};
}

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    // As the library's load does.
    ChooseScanKernels();
    Medians medians;
    MedianReporter reporter(medians);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::vector<HeapFigure> heap;
    for (const size_t size : BenchSizes) {
        heap.push_back(MeasureHeap(size));
    }
    const char *json = std::getenv("DOVRINK_BENCH_JSON");
    const bool allMet = ReportTargets(medians, heap, json != nullptr ? json : "viewer-bench.json");
    return allMet ? 0 : 1;
}
