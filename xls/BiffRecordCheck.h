#pragma once

#include <string_view>

namespace xls {

// Two kinds of record freexl trusts too far. It copies a text record's string for
// as many characters as the record says, reading past the record (and past the
// memory holding it) when that is forged; in the shared string table it also trusts
// the lengths carried from one record into the next. And when a sheet declares its
// size a second time, too large to allocate, freexl keeps the new size with the old
// cells and later walks past them. A workbook's record stream (workbookStream) is
// checked here first: every string freexl would read must lie inside its record, or
// inside the one record the shared string table lets it continue into, and no sheet
// may declare more cells than freexl allocates (it refuses such a sheet anyway).
bool recordsFit(std::string_view stream);

} // namespace xls
