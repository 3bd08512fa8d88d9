#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace corvana::bench {

// Prints the usual console table and remembers each benchmark's best time per
// iteration over its repetitions, so that the program can end with its comparison
// lines. The best of several repetitions is what is least disturbed by other work
// on the machine.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // CPU time of the benchmark's thread, for work that runs on it alone (it is not
    // disturbed by other programs on a busy machine); wall-clock time for work that
    // waits on another thread or process.
    enum class Clock { Cpu, Wall };

    RatioReporter();

    void ReportRuns(const std::vector<Run>& reports) override;

    // Best seconds per iteration of the named benchmark (its function name), 0 if it did not run.
    double secondsPerIteration(const std::string& name, Clock clock) const;

    // numerator / denominator; 0 when either benchmark is missing, for example when
    // a filter left it out.
    double ratio(const std::string& numerator, const std::string& denominator, Clock clock) const;

private:
    struct Best {
        double cpuSeconds = 0.0;
        double wallSeconds = 0.0;
    };
    std::map<std::string, Best> m_best;
};

// "ratio NAME VALUE", a comparison with a target; nothing when value is 0.
void printRatio(const std::string& name, double value);

// "value NAME VALUE" for a measured or descriptive number; nothing when value is 0.
void printValue(const std::string& name, double value);

// The same line for a number whose 0 is itself the finding (nothing missed).
void printValueLine(const std::string& name, double value);

} // namespace corvana::bench
