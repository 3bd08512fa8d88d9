#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

// The service reads the session loaders make. The program uses CvSessionService;
// tests give the loaders a substitute.
class SessionService {
public:
    virtual ~SessionService() = default;

    virtual int GetClientBalance(
        const std::string& regphoneid, const std::string& password, std::string& balance, std::string& expiry)
        = 0;
    virtual int Getcurrentconferencelist(
        const std::string& regphoneid, const std::string& password, std::string& result, int& rows)
        = 0;
    virtual int GetSubscribeCurrentConference(
        const std::string& regphoneid, const std::string& password, std::string& result, int& rows)
        = 0;
    virtual int GetMemberInfo(const std::string& regphoneid, const std::string& password, std::string& info) = 0;
};

// Builds one SessionService per worker, on that worker's thread, observing cancel.
using SessionServiceFactory = std::function<std::unique_ptr<SessionService>(const std::atomic<bool>* cancel)>;
