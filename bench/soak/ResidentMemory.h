#pragma once

#include <string>

// A process's resident set size in KiB, from /proc; 0 when it cannot be read (no such
// process, no /proc).
class ResidentMemory {
public:
    static long long ofThisProcess();
    static long long ofProcess(long long pid);

private:
    static long long fromStatm(const std::string& path);
};
