#pragma once

#include <QString>

#include <string>

class CCvService;
struct Credentials;

// What a sign-in attempt's job hands back to the login dialog.
struct SignInOutcome {
    int code = -1; // 0 accepted; otherwise the service's code (9: no answer)
    QString message; // for a refusal: the text GetSysMsgInfo gave for the code
};

// UserClientLogin and, for a refusal, the service's text for its code, so that the
// dialog shows the reason without a second wait. Runs on a ServiceCall worker.
class SignInJob {
public:
    explicit SignInJob(std::string ipAddress)
        : m_ipAddress(std::move(ipAddress))
    {
    }

    SignInOutcome operator()(CCvService& service, const Credentials& who) const;

private:
    std::string m_ipAddress;
};
