#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace corvana::bench {

// Colour codes would run into the lines printed after the table when the output is a file.
RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& reports)
{
    for (const Run& run : reports) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0)
            continue;
        const double iterations = static_cast<double>(run.iterations);
        const double cpu = run.cpu_accumulated_time / iterations;
        const double wall = run.real_accumulated_time / iterations;
        const auto [entry, added] = m_best.try_emplace(run.run_name.function_name, Best { cpu, wall });
        if (!added) {
            entry->second.cpuSeconds = std::min(entry->second.cpuSeconds, cpu);
            entry->second.wallSeconds = std::min(entry->second.wallSeconds, wall);
        }
    }
    ConsoleReporter::ReportRuns(reports);
}

double RatioReporter::secondsPerIteration(const std::string& name, Clock clock) const
{
    const auto found = m_best.find(name);
    if (found == m_best.end())
        return 0.0;
    return clock == Clock::Cpu ? found->second.cpuSeconds : found->second.wallSeconds;
}

double RatioReporter::ratio(const std::string& numerator, const std::string& denominator, Clock clock) const
{
    const double top = secondsPerIteration(numerator, clock);
    const double bottom = secondsPerIteration(denominator, clock);
    return top > 0.0 && bottom > 0.0 ? top / bottom : 0.0;
}

void printRatio(const std::string& name, double value)
{
    if (value == 0.0)
        return;
    std::printf("ratio %s %.3f\n", name.c_str(), value);
    std::fflush(stdout);
}

void printValue(const std::string& name, double value)
{
    if (value != 0.0)
        printValueLine(name, value);
}

void printValueLine(const std::string& name, double value)
{
    std::printf("value %s %.10g\n", name.c_str(), value);
    std::fflush(stdout);
}

} // namespace corvana::bench
