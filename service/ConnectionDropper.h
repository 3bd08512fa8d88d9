#pragma once

#include <string>

namespace cvservice {

// Cuts one accepted connection without a reply: the HTTP library gives a handler no
// access to its socket, so the socket is found by its two addresses and shut down;
// the library then closes it as usual.
class ConnectionDropper {
public:
    static bool drop(int localPort, const std::string& remoteAddress, int remotePort);
};

} // namespace cvservice
