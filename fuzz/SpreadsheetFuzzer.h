#pragma once

#include "ScratchFile.h"

#include "xls/SheetReader.h"
#include "xls/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// One reader over any bytes saved with its file ending; the sheet is asked for by
// the name the address book uses. Every cell it hands out must be valid UTF-8.
inline void readSpreadsheet(xls::SheetReader& reader, ScratchFile& file, const std::uint8_t* data, std::size_t size)
{
    xls::SheetRows rows;
    reader.read(file.write(data, size), "Sheet1", rows);
    for (const xls::SheetRow& row : rows) {
        for (const std::string& cell : row) {
            if (!xls::isValidUtf8(cell))
                std::abort();
        }
    }
}
