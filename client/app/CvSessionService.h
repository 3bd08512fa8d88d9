#pragma once

#include "app/SessionService.h"

#include "cvsrv/CCvService.h"

// SessionService over a CCvService of its own (one per worker, never shared).
class CvSessionService : public SessionService {
public:
    CvSessionService(const cvsrv::ServiceConfig& config, const std::atomic<bool>* cancel);

    int GetClientBalance(
        const std::string& regphoneid, const std::string& password, std::string& balance, std::string& expiry) override;
    int Getcurrentconferencelist(
        const std::string& regphoneid, const std::string& password, std::string& result, int& rows) override;
    int GetSubscribeCurrentConference(
        const std::string& regphoneid, const std::string& password, std::string& result, int& rows) override;
    int GetMemberInfo(const std::string& regphoneid, const std::string& password, std::string& info) override;

    static SessionServiceFactory factory(const cvsrv::ServiceConfig& config);

private:
    CCvService m_service;
};
