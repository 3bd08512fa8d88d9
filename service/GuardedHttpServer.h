#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace cvservice {

// The HTTP server with what the library leaves open closed:
// - A connection reaches a worker only once its request's headers (and a small body)
//   have arrived. Until then it waits in one waiting room thread, for at most the
//   request time-out, so connections that trickle a byte now and then cannot hold
//   the workers that real clients need. A keep-alive connection goes back to the
//   waiting room between requests.
// - A worker gives the rest of the body the request time-out again, then gives up.
// - A request body must come with a Content-Length within the limit: chunked and
//   length-less bodies (which the library would read whole into memory, however big)
//   and oversized ones are refused before any of their bytes are read or kept, and
//   the connection is closed.
class GuardedHttpServer : public httplib::Server {
public:
    struct Limits {
        std::chrono::milliseconds requestTimeout { 10000 };
        std::chrono::milliseconds writeTimeout { 10000 };
        std::size_t maxBodyBytes = 4 * 1024 * 1024;
        std::size_t workers = 64;
        std::size_t maxWaiting = 4096; // connections without a whole request yet
        std::size_t maxWaitingPerAddress = 256;
    };

    explicit GuardedHttpServer(Limits limits);
    ~GuardedHttpServer() override;

    // Closes every connection and waits for the workers; after stop() and the end of
    // the listening loop. Idempotent.
    void closeConnections();

private:
    struct Connection;
    class BufferedStream;
    class InlineQueue;

    bool process_and_close_socket(socket_t sock) override;
    HandlerResponse checkBody(const httplib::Request& request, httplib::Response& response) const;
    void admit(std::shared_ptr<Connection> connection);
    void runWaitingRoom();
    void serve(const std::shared_ptr<Connection>& connection);
    void discardUntilClosed(int fd) const;
    static void closeSocket(int fd);

    Limits m_limits;
    int m_wake = -1; // eventfd that wakes the waiting room
    std::atomic<bool> m_stopping { false };
    std::mutex m_mutex;
    std::vector<std::shared_ptr<Connection>> m_arrivals;
    httplib::ThreadPool m_workers;
    std::thread m_room;
};

} // namespace cvservice
