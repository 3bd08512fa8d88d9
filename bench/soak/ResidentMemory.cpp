#include "ResidentMemory.h"

#include <fstream>

#include <unistd.h>

long long ResidentMemory::ofThisProcess()
{
    return fromStatm("/proc/self/statm");
}

long long ResidentMemory::ofProcess(long long pid)
{
    return pid > 0 ? fromStatm("/proc/" + std::to_string(pid) + "/statm") : 0;
}

long long ResidentMemory::fromStatm(const std::string& path)
{
    // "size resident shared text lib data dt", in pages.
    std::ifstream statm(path);
    long long size = 0;
    long long resident = 0;
    if (!(statm >> size >> resident))
        return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}
