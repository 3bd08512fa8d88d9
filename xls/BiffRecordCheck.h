#pragma once

#include <cstdint>
#include <string_view>

namespace xls {

// What freexl would do with a workbook's record stream (workbookStream), found before
// it does it.
struct RecordCheck {
    // Every string freexl would read lies inside its record, or inside the one record
    // the shared string table lets it continue into. freexl copies a text record's
    // string for as many characters as the record says, reading past the record (and
    // past the memory holding it) when that is forged, and in the shared string table
    // it trusts the lengths carried from one record into the next.
    bool fits = true;
    // The most cells freexl would allocate, 16 bytes each: a sheet's declared size
    // whatever its content, for every sheet, and again for sheets that declare none.
    // A few bytes of forged sizes would otherwise cost gigabytes.
    std::uint64_t cells = 0;
};

RecordCheck checkRecords(std::string_view stream);

} // namespace xls
