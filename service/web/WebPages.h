#pragma once

#include "web/UpdateFiles.h"

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace cvservice {

class AccountRepository;
class ChargeRepository;
class Faults;

// The service's web pages: home, manual, registration, password help, the update
// files of the version check and the recordings' audio. The update files go wrong
// with the SOAP endpoint's fault switches, so the updater is tested against the same
// faults as the client.
class WebPages {
public:
    static constexpr std::int64_t kStarterBalance = 1000; // hundredths: a new account's trial credit

    WebPages(AccountRepository& accounts, ChargeRepository& charges, UpdateFiles updates, const Faults& faults);
    void install(httplib::Server& server);

private:
    void registerAccount(const httplib::Request& request, httplib::Response& response);
    static std::string registerForm(const std::string& message, bool success);

    AccountRepository& m_accounts;
    ChargeRepository& m_charges;
    UpdateFiles m_updates;
    const Faults& m_faults;
};

} // namespace cvservice
