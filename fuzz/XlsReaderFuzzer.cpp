// Excel 97-2003 workbooks of any bytes.
#include "SpreadsheetFuzzer.h"

#include "xls/XlsReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScratchFile file(".xls");
    xls::XlsReader reader;
    readSpreadsheet(reader, file, data, size);
    return 0;
}
