#pragma once

#include <functional>

namespace corvana::bench {

// The main of the benchmark programs that put widgets on an (offscreen) screen. It
// runs the benchmarks inside a QApplication and prints the program's value lines.
//
// Widgets a benchmark keeps between its runs must go before the application does:
// their owner hands over how to release them, and main does so once the benchmarks
// ran. Always true, so that a function-scope static can hold the call.
bool releaseBeforeQuit(std::function<void()> release);

} // namespace corvana::bench
