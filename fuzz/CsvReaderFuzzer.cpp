// Comma-separated files of any bytes and encoding.
#include "SpreadsheetFuzzer.h"

#include "xls/CsvReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScratchFile file(".csv");
    xls::CsvReader reader;
    readSpreadsheet(reader, file, data, size);
    return 0;
}
