#pragma once

#include "Service.h"

#include "cvsrv/CCvService.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cvservice::test {

inline constexpr const char* kUser = "13800138000";
inline constexpr const char* kPassword = "123456";
inline constexpr const char* kOtherUser = "13900139000";
inline constexpr const char* kOtherPassword = "654321";

struct RawReply {
    int status = 0; // 0 when the exchange failed
    std::string body;
    bool hasContentLength = false;
};

// One cvservice running in this process on free ports, with its own store.
class ServiceHarness {
public:
    // An in-memory store with the demo data and fast call simulation.
    static ServiceOptions defaults();

    explicit ServiceHarness(ServiceOptions options = defaults());
    ~ServiceHarness();

    Service& service() { return *m_service; }
    cvsrv::ServiceConfig config() const;
    CCvService client() const { return CCvService(config()); }

    // A raw POST to the SOAP endpoint, for requests the library would never send.
    RawReply post(const std::string& body, const std::string& soapAction) const;
    RawReply get(const std::string& path) const;
    RawReply postForm(const std::string& path, const std::string& body, const std::string& contentType) const;

    // A signed envelope for operation with the given parameter elements, as the
    // library writes it.
    std::string envelope(const std::string& operation, const std::string& parameters) const;
    std::string action(const std::string& operation) const;

private:
    std::unique_ptr<Service> m_service;
};

// Result text split into rows (LF) and fields (CR).
std::vector<std::vector<std::string>> rowsOf(const std::string& resultText);

// Polls until condition holds or the limit passes; for effects of background work.
bool eventually(
    const std::function<bool()>& condition, std::chrono::milliseconds limit = std::chrono::milliseconds(5000));

// A local "YYYY-MM-DDThh:mm:ss" time the given number of seconds from now.
std::string timeFromNow(long seconds);

} // namespace cvservice::test
