#pragma once

#include "common/JsonObjectSplitter.h"

#include <json/json.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// A bare TCP client of the monitor server that sees every byte as it arrives.
class RawClient {
public:
    explicit RawClient(std::uint16_t port);
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const { return m_fd >= 0; }
    void send(const std::string& bytes);

    // The bytes of one receive; "" once the server has closed; nothing on time-out.
    std::optional<std::string> receive(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // The next whole JSON object, buffered across receives; nothing on close or time-out.
    std::optional<Json::Value> message(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // Reads on until the server closes the connection.
    bool closedByServer(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    void close();

    static std::string verifyText(
        const std::string& regphoneid, const std::string& password, const std::string& timestamp = "20261207130000");
    static std::string monitorText(const std::string& regphoneid, const std::string& conferenceid);

private:
    int m_fd = -1;
    corvana::JsonObjectSplitter m_splitter;
};
