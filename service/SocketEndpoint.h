#pragma once

#include <sys/socket.h>

#include <string>

namespace cvservice {

// The numeric host and the port of an IPv4 or IPv6 socket address; false for any
// other family.
bool socketEndpoint(const sockaddr_storage& address, std::string& host, int& port);

} // namespace cvservice
