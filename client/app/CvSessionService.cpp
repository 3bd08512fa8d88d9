#include "app/CvSessionService.h"

CvSessionService::CvSessionService(const cvsrv::ServiceConfig& config, const std::atomic<bool>* cancel)
    : m_service(config, cancel)
{
}

int CvSessionService::GetClientBalance(
    const std::string& regphoneid, const std::string& password, std::string& balance, std::string& expiry)
{
    return m_service.GetClientBalance(regphoneid.c_str(), password.c_str(), balance, expiry);
}

int CvSessionService::Getcurrentconferencelist(
    const std::string& regphoneid, const std::string& password, std::string& result, int& rows)
{
    return m_service.Getcurrentconferencelist(regphoneid.c_str(), password.c_str(), result, rows);
}

int CvSessionService::GetSubscribeCurrentConference(
    const std::string& regphoneid, const std::string& password, std::string& result, int& rows)
{
    return m_service.GetSubscribeCurrentConference(regphoneid.c_str(), password.c_str(), result, rows);
}

int CvSessionService::GetMemberInfo(const std::string& regphoneid, const std::string& password, std::string& info)
{
    return m_service.GetMemberInfo(regphoneid.c_str(), password.c_str(), info);
}

SessionServiceFactory CvSessionService::factory(const cvsrv::ServiceConfig& config)
{
    return [config](const std::atomic<bool>* cancel) -> std::unique_ptr<SessionService> {
        return std::make_unique<CvSessionService>(config, cancel);
    };
}
