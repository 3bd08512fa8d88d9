#pragma once

#include <iosfwd>
#include <string>

class CCvService;
struct Credentials;

namespace cvctl {

// Exit statuses of the address-book commands (2 is a usage error, found before).
inline constexpr int kCommandDone = 0;
inline constexpr int kCommandFailed = 1;

// Signs in as who, loads every contact exactly as the client does and writes them
// to path in the format its ending names; prints "exported: N".
int exportContacts(
    CCvService& service, const Credentials& who, const std::string& path, std::ostream& out, std::ostream& err);

// Signs in as who and adds every record of the file as the client's import does,
// without its pause; prints "added: N" and "refused: N". A file that cannot be read
// and rows the service never answered are failures, reported after the counts.
int importContacts(
    CCvService& service, const Credentials& who, const std::string& path, std::ostream& out, std::ostream& err);

} // namespace cvctl
