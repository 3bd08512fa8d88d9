#include "web/AddressBookTemplate.h"

#include "xls/CSpreadSheet.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace cvservice {

namespace {

std::string makeWorkbook()
{
    // The spreadsheet component writes files; the bytes are taken from a private one.
    const std::filesystem::path file
        = std::filesystem::temp_directory_path() / ("cvservice-template-" + std::to_string(::getpid()) + ".xls");
    CSpreadSheet sheet(file.string(), "Sheet1", true);
    sheet.BeginTransaction();
    sheet.AddHeaders({ "phone", "addressname" }, false);
    std::string bytes;
    if (sheet.Commit()) {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    return bytes;
}

} // namespace

const std::string& AddressBookTemplate::workbook()
{
    static const std::string bytes = makeWorkbook();
    return bytes;
}

} // namespace cvservice
