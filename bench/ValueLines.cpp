#include "ValueLines.h"

#include <algorithm>

namespace corvana::bench {

namespace {

// Built on first use: files add their lines while static objects are initialised,
// in no set order.
std::vector<ValueLine>& added()
{
    static std::vector<ValueLine> lines;
    return lines;
}

} // namespace

bool addValueLine(ValueLine line)
{
    added().push_back(std::move(line));
    return true;
}

std::vector<ValueLine> valueLines()
{
    std::vector<ValueLine> lines = added();
    std::sort(lines.begin(), lines.end(), [](const ValueLine& a, const ValueLine& b) { return a.name < b.name; });
    return lines;
}

void printValueLines(const RatioReporter& reporter)
{
    for (const ValueLine& line : valueLines()) {
        const double perSecond = line.unit == ValueLine::Unit::Microseconds ? 1e6 : 1e3;
        printValue(line.name, perSecond * reporter.secondsPerIteration(line.benchmark, line.clock));
    }
}

} // namespace corvana::bench
