#include "ConnectionDropper.h"

#include "SocketEndpoint.h"

#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdlib>
#include <cstring>

namespace cvservice {

bool ConnectionDropper::drop(int localPort, const std::string& remoteAddress, int remotePort)
{
    DIR* fds = opendir("/proc/self/fd");
    if (!fds)
        return false;
    bool dropped = false;
    while (dirent* entry = readdir(fds)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || fd == dirfd(fds))
            continue;
        sockaddr_storage local {};
        sockaddr_storage peer {};
        socklen_t localLength = sizeof local;
        socklen_t peerLength = sizeof peer;
        if (getsockname(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&local), &localLength) != 0
            || getpeername(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0)
            continue;
        std::string localHost;
        std::string peerHost;
        int localPortFound = 0;
        int peerPortFound = 0;
        if (!socketEndpoint(local, localHost, localPortFound) || !socketEndpoint(peer, peerHost, peerPortFound))
            continue;
        if (localPortFound == localPort && peerPortFound == remotePort && peerHost == remoteAddress) {
            shutdown(static_cast<int>(fd), SHUT_RDWR);
            dropped = true;
        }
    }
    closedir(fds);
    return dropped;
}

} // namespace cvservice
