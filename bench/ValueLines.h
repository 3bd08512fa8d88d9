#pragma once

#include "RatioReporter.h"

#include <string>
#include <vector>

namespace corvana::bench {

// A "value NAME N" line a program prints after its benchmarks: the best
// milliseconds (or microseconds) per iteration of one benchmark. Benchmark files of one program add
// their lines where they register their benchmarks, so the program's main prints
// them without knowing every file:
//   const bool registered = addValueLine({ "NAME_ms", "BM_Function", RatioReporter::Clock::Wall });
struct ValueLine {
    enum class Unit { Milliseconds, Microseconds };

    std::string name;
    std::string benchmark; // the benchmark's function name
    RatioReporter::Clock clock = RatioReporter::Clock::Cpu;
    Unit unit = Unit::Milliseconds;
};

// Always true, so that a namespace-scope constant can hold the call.
bool addValueLine(ValueLine line);

// Every line added so far, sorted by name.
std::vector<ValueLine> valueLines();

// Prints every added line whose benchmark ran.
void printValueLines(const RatioReporter& reporter);

} // namespace corvana::bench
