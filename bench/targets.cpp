#include "targets.h"

#include <cstdio>
#include <cstdlib>

#include "mail_text.h"

namespace {

struct Row {
    std::string Figure;
    std::string Size;
    double Value;
    std::string Target;
    bool Met;
};

std::string SizeName(size_t size) {
    return size >= MiB ? std::to_string(size / MiB) + " MiB" : std::to_string(size / KiB) + " KiB";
}

// numerator / denominator of two medians, when both ran (a filter may leave either out).
bool Ratio(const Medians &medians, const std::string &numerator, const std::string &denominator,
           double &ratio) {
    const auto top = medians.find(numerator);
    const auto bottom = medians.find(denominator);
    if (top == medians.end() || bottom == medians.end()) {
        return false;
    }
    ratio = top->second / bottom->second;
    return true;
}

void AddAtLeast(std::vector<Row> &rows, const std::string &figure, size_t size, double value,
                double least) {
    char target[32];
    std::snprintf(target, sizeof target, ">= %.2f", least);
    rows.push_back({figure, SizeName(size), value, target, value >= least});
}

void AddAtMost(std::vector<Row> &rows, const std::string &figure, size_t size, double value,
               double most) {
    char target[32];
    std::snprintf(target, sizeof target, "<= %.2f", most);
    rows.push_back({figure, SizeName(size), value, target, value <= most});
}

void AddTimeRows(const Medians &medians, std::vector<Row> &rows) {
    for (const size_t size : BenchSizes) {
        const std::string at = "/" + std::to_string(size);
        double ratio = 0;
        for (const std::string which : {"absent", "present"}) {
            if (Ratio(medians, "BM_Memmem/" + which + at, "BM_FindText/" + which + at, ratio)) {
                AddAtLeast(rows, "FindText 932 " + which + ", x memmem throughput", size, ratio,
                           1.0);
            }
        }
        if (Ratio(medians, "BM_HostileLiteralFindText" + at, "BM_HostileFindText" + at, ratio)) {
            AddAtLeast(rows, "FindText hostile, x literal throughput", size, ratio, 1.0);
        }
        if (Ratio(medians, "BM_HandleViewUpdate" + at, "BM_UpdateBaseline" + at, ratio)) {
            AddAtMost(rows, "HandleViewUpdate, x time of 9 memmem + memchr", size, ratio, 0.5);
        }
        for (int shape = 1; shape < ShapeCount && size >= MiB; ++shape) {
            const std::string name = ShapeNames[shape];
            if (Ratio(medians, "BM_HandleViewUpdate" + at, "BM_ShapedUpdate/" + name + at, ratio)) {
                AddAtLeast(rows, "Update " + name + ", x ordinary throughput", size, ratio, 0.5);
            }
        }
        if (Ratio(medians, "BM_LineScan" + at, "BM_ShowPaged" + at, ratio)) {
            AddAtLeast(rows, "ShowPaged, x memchr line scan throughput", size, ratio, 0.5);
        }
        if (Ratio(medians, "BM_LiteralShowPaged" + at, "BM_ShowPaged" + at, ratio)) {
            AddAtLeast(rows, "ShowPaged, x literal throughput", size, ratio, 1.0);
        }
    }
}

void AddHeapRows(const std::vector<HeapFigure> &heap, std::vector<Row> &rows) {
    for (const HeapFigure &figure : heap) {
        AddAtMost(rows, "Peak heap, x (body + largest excerpt + page)", figure.Size,
                  static_cast<double>(figure.Peak) / static_cast<double>(figure.Bound), 1.0);
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
    const auto small = counts.find(ordinary + "/" + std::to_string(MiB));
    const auto large = counts.find(ordinary + "/" + std::to_string(64 * MiB));
    if (small != counts.end() && large != counts.end()) {
        AddAtMost(rows, "Update instructions, 64 MiB / 1 MiB", 64 * MiB,
                  large->second / small->second, 66.0);
    }
    for (const size_t size : {MiB, 16 * MiB}) {
        const auto base = counts.find(ordinary + "/" + std::to_string(size));
        for (int shape = 1; shape < ShapeCount && base != counts.end(); ++shape) {
            const auto shaped = counts.find(ShapeNames[shape] + ("/" + std::to_string(size)));
            if (shaped != counts.end()) {
                AddAtMost(rows,
                          std::string("Update instructions, ") + ShapeNames[shape] + " / ordinary",
                          size, shaped->second / base->second, 2.0);
            }
        }
    }
}

void Print(const std::vector<Row> &rows) {
    std::printf("\n%-48s %8s %10s %9s\n", "Target", "Size", "Figure", "Needed");
    for (const Row &row : rows) {
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
