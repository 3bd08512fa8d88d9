#pragma once

#include <string_view>

namespace xls {

// freexl copies a text record's string for as many characters as the record says,
// reading past the record (and past the memory holding it) when that is forged; in
// the shared string table it also trusts the lengths carried from one record into
// the next. A workbook's record stream (workbookStream) is checked here first: every
// string freexl would read must lie inside its record, or inside the one record the
// shared string table lets it continue into.
bool recordStringsFit(std::string_view stream);

} // namespace xls
