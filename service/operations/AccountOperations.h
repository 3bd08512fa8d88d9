#pragma once

#include <string>

namespace cvservice {

class OperationTable;
struct ServiceContext;
struct SoapRequest;

// Profile, password, balance, settings, transfers and the conference room.
class AccountOperations {
public:
    explicit AccountOperations(ServiceContext& context);
    void install(OperationTable& table);

private:
    std::string changePassword(const SoapRequest& request);
    std::string memberInfo(const SoapRequest& request);
    std::string saveProfile(const SoapRequest& request);
    std::string balance(const SoapRequest& request);
    std::string setMeetCall(const SoapRequest& request);
    std::string setMessageSender(const SoapRequest& request);
    std::string transfer(const SoapRequest& request);
    std::string roomInfo(const SoapRequest& request);
    std::string resetRoom(const SoapRequest& request);
    std::string noteNumber(const SoapRequest& request);

    ServiceContext& m_context;
};

} // namespace cvservice
