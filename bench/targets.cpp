#include "targets.h"

#include <cstdio>
#include <cstdlib>

#include "mail_text.h"

namespace {

struct Row {
    std::string Figure;
    std::string Size;
    bool Measured; // a target whose figure is missing is not met
    double Value;
    std::string Target;
    bool Met;
};

std::string SizeName(size_t size) {
    return size >= MiB ? std::to_string(size / MiB) + " MiB" : std::to_string(size / KiB) + " KiB";
}

// A target: the figure at most or at least the bound, when it was measured at all.
struct Bound {
    double Value;
    bool AtMost;
};

void Add(std::vector<Row> &rows, const std::string &figure, size_t size, bool measured,
         double value, Bound bound) {
    char target[32];
    std::snprintf(target, sizeof target, "%s %.2f", bound.AtMost ? "<=" : ">=", bound.Value);
    const bool met = measured && (bound.AtMost ? value <= bound.Value : value >= bound.Value);
    rows.push_back({figure, SizeName(size), measured, value, target, met});
}

Bound AtLeast(double value) { return {value, false}; }
Bound AtMost(double value) { return {value, true}; }

// The target for numerator / denominator of two medians; not met when either did not run.
void AddRatio(std::vector<Row> &rows, const Medians &medians, const std::string &numerator,
              const std::string &denominator, const std::string &figure, size_t size,
              Bound bound) {
    const auto top = medians.find(numerator);
    const auto bottom = medians.find(denominator);
    const bool measured = top != medians.end() && bottom != medians.end();
    Add(rows, figure, size, measured, measured ? top->second / bottom->second : 0, bound);
}

void AddTimeRows(const Medians &medians, std::vector<Row> &rows) {
    for (const size_t size : BenchSizes) {
        const std::string at = "/" + std::to_string(size);
        for (const std::string which : {"absent", "present"}) {
            AddRatio(rows, medians, "BM_Memmem/" + which + at, "BM_FindText/" + which + at,
                     "FindText 932 " + which + ", x memmem throughput", size, AtLeast(1.0));
        }
        AddRatio(rows, medians, "BM_HostileLiteralFindText" + at, "BM_HostileFindText" + at,
                 "FindText hostile, x literal throughput", size, AtLeast(1.0));
        AddRatio(rows, medians, "BM_HandleViewUpdate" + at, "BM_UpdateBaseline" + at,
                 "HandleViewUpdate, x time of 9 memmem + memchr", size, AtMost(0.5));
        for (int shape = 1; shape < ShapeCount && size >= MiB; ++shape) {
            const std::string name = ShapeNames[shape];
            AddRatio(rows, medians, "BM_HandleViewUpdate" + at, "BM_ShapedUpdate/" + name + at,
                     "Update " + name + ", x ordinary throughput", size, AtLeast(0.5));
        }
        AddRatio(rows, medians, "BM_LineScan" + at, "BM_ShowPaged" + at,
                 "ShowPaged, x memchr line scan throughput", size, AtLeast(0.5));
        AddRatio(rows, medians, "BM_LiteralShowPaged" + at, "BM_ShowPaged" + at,
                 "ShowPaged, x literal throughput", size, AtLeast(1.0));
    }
}

void AddHeapRows(const std::vector<HeapFigure> &heap, std::vector<Row> &rows) {
    const std::string figure = "Peak heap, x (body + largest excerpt + page)";
    if (heap.empty()) {
        Add(rows, figure, 0, false, 0, AtMost(1.0));
    }
    for (const HeapFigure &measured : heap) {
        Add(rows, figure, measured.Size, true,
            static_cast<double>(measured.Peak) / static_cast<double>(measured.Bound), AtMost(1.0));
    }
}

// Counts as "shape size count" lines, in DOVRINK_UPDATE_INSTRUCTIONS.
std::map<std::string, double> Counts() {
    std::map<std::string, double> counts;
    const char *text = std::getenv("DOVRINK_UPDATE_INSTRUCTIONS");
    char shape[32];
    unsigned long long size = 0;
    double count = 0;
    int used = 0;
    while (text != nullptr &&
           std::sscanf(text, "%31s %llu %lf%n", shape, &size, &count, &used) == 3) {
        counts[std::string(shape) + "/" + std::to_string(size)] = count;
        text += used;
    }
    return counts;
}

void AddInstructionRows(std::vector<Row> &rows) {
    const std::map<std::string, double> counts = Counts();
    const std::string ordinary = ShapeNames[0];
    AddRatio(rows, counts, ordinary + "/" + std::to_string(64 * MiB),
             ordinary + "/" + std::to_string(MiB), "Update instructions, 64 MiB / 1 MiB", 64 * MiB,
             AtMost(66.0));
    for (const size_t size : {MiB, 16 * MiB}) {
        for (int shape = 1; shape < ShapeCount; ++shape) {
            AddRatio(rows, counts, ShapeNames[shape] + ("/" + std::to_string(size)),
                     ordinary + "/" + std::to_string(size),
                     std::string("Update instructions, ") + ShapeNames[shape] + " / ordinary",
                     size, AtMost(2.0));
        }
    }
}

void Print(const std::vector<Row> &rows) {
    std::printf("\n%-48s %8s %10s %9s\n", "Target", "Size", "Figure", "Needed");
    for (const Row &row : rows) {
        if (!row.Measured) {
            std::printf("%-48s %8s %10s %9s  NOT MET: no figure\n", row.Figure.c_str(),
                        row.Size.c_str(), "-", row.Target.c_str());
            continue;
        }
        std::printf("%-48s %8s %10.2f %9s  %s\n", row.Figure.c_str(), row.Size.c_str(), row.Value,
                    row.Target.c_str(), row.Met ? "met" : "NOT MET");
    }
}

void WriteJson(const std::vector<Row> &rows, const char *path) {
    FILE *file = std::fopen(path, "w");
    if (file == nullptr) {
        std::perror(path);
        return;
    }
    std::fprintf(file, "[\n");
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        std::fprintf(file,
                     "  {\"figure\": \"%s\", \"size\": \"%s\", \"value\": %.4f, \"target\": "
                     "\"%s\", \"met\": %s}%s\n",
                     row.Figure.c_str(), row.Size.c_str(), row.Value, row.Target.c_str(),
                     row.Met ? "true" : "false", i + 1 < rows.size() ? "," : "");
    }
    std::fprintf(file, "]\n");
    std::fclose(file);
    std::printf("\nFigures written to %s\n", path);
}

} // namespace

bool ReportTargets(const Medians &medians, const std::vector<HeapFigure> &heap, const char *path) {
    std::vector<Row> rows;
    AddTimeRows(medians, rows);
    AddHeapRows(heap, rows);
    AddInstructionRows(rows);
    Print(rows);
    WriteJson(rows, path);
    bool allMet = true;
    for (const Row &row : rows) {
        allMet = allMet && row.Met;
    }
    return allMet;
}
