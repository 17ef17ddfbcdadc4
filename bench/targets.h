#pragma once
// The targets the viewer must meet, judged from one run's figures and printed as a table.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

constexpr size_t KiB = 1 << 10;
constexpr size_t MiB = 1 << 20;
constexpr size_t BenchSizes[] = {64 * KiB, MiB, 16 * MiB, 64 * MiB};

// Median time per iteration by "function/size".
using Medians = std::map<std::string, double>;

struct HeapFigure {
    size_t Size;
    size_t Peak;  // bytes held at once during one update
    size_t Bound; // the body, the largest excerpt and the largest page
};

// Prints every target with its figure and whether it is met, and writes them as JSON to `path`.
// Instruction counts of whole updates come from the environment
// (DOVRINK_UPDATE_INSTRUCTIONS: "shape size count" triples), as callgrind counted them. True when
// all are met.
bool ReportTargets(const Medians &medians, const std::vector<HeapFigure> &heap, const char *path);
