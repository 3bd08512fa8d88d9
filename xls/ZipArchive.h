#pragma once

#include "xls/Status.h"

#include <string>

struct zip;

namespace xls {

// A zip file open for reading its entries (the container of .xlsx workbooks).
class ZipArchive {
public:
    ZipArchive() = default;
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    Status open(const std::string& path);
    // Entry names compare without regard to case, as part names of a package do.
    bool contains(const std::string& name) const;
    Status read(const std::string& name, std::string& bytes) const;

private:
    zip* m_zip = nullptr;
    std::string m_path;
};

} // namespace xls
