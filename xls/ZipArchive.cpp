#include "xls/ZipArchive.h"

#include <zip.h>

namespace xls {

namespace {

// A workbook's parts are some megabytes; anything near this is a zip bomb.
constexpr zip_uint64_t kMaxEntrySize = 1024ull * 1024 * 1024;

} // namespace

ZipArchive::~ZipArchive()
{
    if (m_zip)
        zip_discard(m_zip);
}

Status ZipArchive::open(const std::string& path)
{
    m_path = path;
    int error = 0;
    m_zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (m_zip)
        return {};
    switch (error) {
    case ZIP_ER_NOENT:
        return { FileError::NotFound, path + ": no such file" };
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
        return { FileError::AccessDenied, path + ": cannot be opened" };
    case ZIP_ER_MEMORY:
        return { FileError::TooLarge, path + ": too large to read" };
    default:
        return { FileError::NotAWorkbook, path + ": is not an Excel workbook (not a zip package)" };
    }
}

bool ZipArchive::contains(const std::string& name) const
{
    return m_zip && zip_name_locate(m_zip, name.c_str(), ZIP_FL_NOCASE) >= 0;
}

Status ZipArchive::read(const std::string& name, std::string& bytes) const
{
    bytes.clear();
    const Status missing { FileError::NotAWorkbook, m_path + ": the workbook part " + name + " is missing" };
    const Status damaged { FileError::NotAWorkbook, m_path + ": the workbook part " + name + " is damaged" };
    if (!m_zip)
        return missing;
    const zip_int64_t index = zip_name_locate(m_zip, name.c_str(), ZIP_FL_NOCASE);
    if (index < 0)
        return missing;
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &info) != 0 || !(info.valid & ZIP_STAT_SIZE))
        return damaged;
    if (info.size > kMaxEntrySize)
        return { FileError::TooLarge, m_path + ": the workbook part " + name + " is too large" };
    zip_file_t* file = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        return damaged;
    bytes.resize(static_cast<std::size_t>(info.size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const zip_int64_t n = zip_fread(file, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    zip_fclose(file);
    if (done != bytes.size()) {
        bytes.clear();
        return damaged;
    }
    return {};
}

} // namespace xls
