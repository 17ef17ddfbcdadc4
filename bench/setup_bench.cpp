// The settings made from a mailbox of issues of one newsletter (50 and 500 issues, the corpus's
// three issues of one newsletter in turn): the proposal's time against the plugin's own
// judgement of the same issues with the keywords it proposes, in the same run. Prints each
// target with its figure; exits 1 when one is missed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "diagnosis/setup_proposal.h"
#include "diagnosis/trial_text.h"
#include "platform/lead_bytes.h"
#include "platform/posix/environment.h"
#include "viewer/scan/scan_kernels.h"

namespace {

constexpr const char *Newsletter = DOVRINK_NEWSLETTERS "/mus-kagakukan-2006/";
constexpr int Fewer = 50;
constexpr int More = 500;

// The proposal over ten times the issues takes at most this many times as long (ten, linear),
// and over the larger mailbox at most this many times one judgement of each of its issues.
constexpr double MostGrowth = 12.5;
constexpr double MostOverJudging = 400;

PluginSettings NoSettings() {
    PluginSettings settings{};
    std::snprintf(settings.SeparatorText, sizeof settings.SeparatorText, "\n%s", DefaultSeparator);
    settings.PageLines = DefaultPageLines;
    return settings;
}

std::string FileBytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// A mailbox of `count` issues: the newsletter's three in turn.
const std::vector<std::string> &Mailbox(int count) {
    static std::map<int, std::vector<std::string>> mailboxes;
    std::vector<std::string> &issues = mailboxes[count];
    if (issues.empty()) {
        const std::string three[] = {FileBytes(std::string(Newsletter) + "01.txt"),
                                     FileBytes(std::string(Newsletter) + "02.txt"),
                                     FileBytes(std::string(Newsletter) + "03.txt")};
        for (int i = 0; i < count; ++i) {
            issues.push_back(three[i % 3]);
        }
    }
    return issues;
}

void BM_Propose(benchmark::State &state) {
    const std::vector<std::string> &issues = Mailbox(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ProposeSetup(issues, NoSettings()));
    }
}

// What the plugin does with each issue once the settings are written: one judgement of it with
// the keywords proposed.
void BM_Judge(benchmark::State &state) {
    const std::vector<std::string> &issues = Mailbox(static_cast<int>(state.range(0)));
    const SetupProposal proposal = ProposeSetup({issues.begin(), issues.begin() + 3}, NoSettings());
    PluginSettings settings = WithSeparator(NoSettings(), proposal.Separator);
    const std::vector<size_t> showing = ShowingSections(proposal);
    for (size_t i = 0; i < showing.size(); ++i) {
        settings =
            WithKeyword(settings, static_cast<int>(i), proposal.Sections[showing[i]].Keyword);
    }
    for (auto _ : state) {
        for (const std::string &issue : issues) {
            benchmark::DoNotOptimize(JudgeText(issue, settings));
        }
    }
}

BENCHMARK(BM_Propose)
    ->Arg(Fewer)
    ->Arg(More)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Judge)->Arg(More)->Repetitions(3)->Unit(benchmark::kMillisecond);

// Keeps the median time of each benchmark by its name.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    explicit MedianReporter(std::map<std::string, double> &medians) : Medians(medians) {}
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            // Processor time: the machine's other work does not wander into the ratios.
            if (run.aggregate_name == "median") {
                Medians[run.run_name.function_name + "/" + run.run_name.args] =
                    run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

  private:
    std::map<std::string, double> &Medians;
};

bool Report(const char *what, double figure, double most) {
    const bool met = figure <= most;
    std::printf("  %-62s %8.2f  (at most %.1f)  %s\n", what, figure, most, met ? "met" : "MISSED");
    return met;
}

} // namespace

int main(int argc, char **argv) {
    setenv(CodePageVariable, "932", 1);
    LoadLeadBytes();
    ChooseScanKernels();
    benchmark::Initialize(&argc, argv);
    std::map<std::string, double> medians;
    MedianReporter reporter(medians);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double fewer = medians["BM_Propose/" + std::to_string(Fewer)];
    const double more = medians["BM_Propose/" + std::to_string(More)];
    const double judging = medians["BM_Judge/" + std::to_string(More)];
    std::printf("\nSettings made from a mailbox of one newsletter's issues: %d issues in %.2f s of "
                "processor time\n",
                More, more / 1000);
    bool met = fewer > 0 && judging > 0;
    met =
        Report("proposal for 500 issues / for 50 issues (linear: 10)", more / fewer, MostGrowth) &&
        met;
    met = Report("proposal for 500 issues / one judgement of each", more / judging,
                 MostOverJudging) &&
          met;
    return met ? 0 : 1;
}
