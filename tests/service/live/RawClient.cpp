#include "RawClient.h"

#include "cvsrv/CUtility.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

RawClient::RawClient(std::uint16_t port)
{
    m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        close();
}

RawClient::~RawClient()
{
    close();
}

void RawClient::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void RawClient::send(const std::string& bytes)
{
    std::size_t sent = 0;
    while (m_fd >= 0 && sent < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += static_cast<std::size_t>(n);
    }
}

std::optional<std::string> RawClient::receive(std::chrono::milliseconds timeout)
{
    if (m_fd < 0)
        return std::string();
    pollfd wanted { m_fd, POLLIN, 0 };
    if (::poll(&wanted, 1, static_cast<int>(timeout.count())) <= 0)
        return std::nullopt;
    char buffer[16384];
    const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
    if (n <= 0)
        return std::string();
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::optional<Json::Value> RawClient::message(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (auto object = m_splitter.next()) {
            Json::Value value;
            std::string errors;
            std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
            if (reader->parse(object->data(), object->data() + object->size(), &value, &errors))
                return value;
            continue;
        }
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        const auto bytes = receive(left);
        if (!bytes || bytes->empty())
            return std::nullopt;
        m_splitter.append(*bytes);
    }
}

bool RawClient::closedByServer(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto bytes = receive(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()));
        if (bytes && bytes->empty())
            return true;
    }
    return false;
}

std::string RawClient::verifyText(
    const std::string& regphoneid, const std::string& password, const std::string& timestamp)
{
    char hash[33] = {};
    CUtility().EncodeMd5(
        hash, "%s%s%s%s", regphoneid.c_str(), password.c_str(), timestamp.c_str(), CUtility::kHashSalt);
    char text[512];
    std::snprintf(text, sizeof text,
        "{\"key\":\"verify\",\"value\":\"{\\\"regphoneid\\\":\\\"%s\\\",\\\"timestamp\\\":\\\"%s\\\","
        "\\\"hashcode\\\":\\\"%s\\\"}\"}",
        regphoneid.c_str(), timestamp.c_str(), hash);
    return text;
}

std::string RawClient::monitorText(const std::string& regphoneid, const std::string& conferenceid)
{
    return "{\"key\":\"monitor\",\"value\":\"{\\\"regphoneid\\\":\\\"" + regphoneid + "\\\",\\\"conferenceid\\\":\\\""
        + conferenceid + "\\\"}\"}";
}
