#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace xls {

// freexl trusts two fields of each entry of a compound file's directory: it converts
// as many bytes of the 64-byte name field as the entry's name length says, reading far
// past the field when that is forged, and it allocates a stream's stated size at
// once, 4 GB for a forged one. Files are checked here first: along the directory
// chain every name length must fit its field and every stream size the file, and the
// directory and allocation sectors must lie inside the file. The rest of the
// structure is left to freexl, which refuses what it cannot follow.
bool directoryFitsFile(std::string_view file);

// The record stream freexl reads from a file, found as freexl finds it: the
// "Workbook" (or "Book") stream of a compound file, in the mini stream when it is
// small, or the whole file for the single-stream files of the oldest spreadsheet
// versions. Empty when there is none; nullopt when the stream cannot be read whole
// from sectors inside the file, where freexl would read past the stream or from
// sectors its 32-bit offsets wrap around to.
std::optional<std::string> workbookStream(std::string_view file);

} // namespace xls
