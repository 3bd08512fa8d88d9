// Office Open XML workbooks of any bytes, and the cell references and escapes they
// carry.
#include "SpreadsheetFuzzer.h"

#include "xls/XlsxReader.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScratchFile file(".xlsx");
    xls::XlsxReader reader;
    readSpreadsheet(reader, file, data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    xls::XlsxReader::columnOfReference(text);
    if (xls::isValidUtf8(text) && !xls::isValidUtf8(xls::XlsxReader::unescape(text)))
        std::abort();
    return 0;
}
