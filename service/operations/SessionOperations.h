#pragma once

#include <string>

namespace cvservice {

class OperationTable;
struct ServiceContext;
struct SoapRequest;

// Sign-in, status texts and the version check.
class SessionOperations {
public:
    explicit SessionOperations(ServiceContext& context);
    void install(OperationTable& table);

private:
    std::string login(const SoapRequest& request);
    std::string messageText(const SoapRequest& request);
    std::string versionCheck(const SoapRequest& request);
    std::string downloadList(const std::string& baseUrl) const;

    ServiceContext& m_context;
};

} // namespace cvservice
