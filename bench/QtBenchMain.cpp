#include "QtBenchMain.h"

#include "RatioReporter.h"
#include "ValueLines.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace corvana::bench {

namespace {

std::vector<std::function<void()>>& releases()
{
    static std::vector<std::function<void()>> pending;
    return pending;
}

} // namespace

bool releaseBeforeQuit(std::function<void()> release)
{
    releases().push_back(std::move(release));
    return true;
}

} // namespace corvana::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    corvana::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const auto& release : corvana::bench::releases())
        release();

    corvana::bench::printValueLines(reporter);
    return 0;
}
