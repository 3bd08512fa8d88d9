#include "core/session/SessionState.h"

#include "core/service/ResultText.h"

SessionState::SessionState() = default;
SessionState::~SessionState() = default;

void SessionState::setCredentials(std::string_view account, std::string_view password)
{
    m_regphoneid = ResultText::cut(account, kAccountBytes);
    m_password = ResultText::cut(password, kPasswordBytes);
    ++m_generation;
}

void SessionState::endSession()
{
    m_signInResult = kNotSignedIn;
    ++m_generation;
    clearServiceData();
}

void SessionState::setIpAddress(std::string_view ipAddress)
{
    m_ipAddress = ResultText::cut(ipAddress, kIpAddressBytes);
}

void SessionState::setBalance(int status, std::string_view balance, std::string_view expiry)
{
    m_balanceResult = status;
    if (status != 0)
        return;
    m_balance = ResultText::cut(balance, kBalanceBytes);
    m_expiry = ResultText::cut(expiry, kBalanceBytes);
}

void SessionState::clearServiceData()
{
    m_memberProfile = MemberProfile {};
    m_balance.clear();
    m_expiry.clear();
    m_balanceResult = 0;
    m_running.clear();
    m_booked.clear();
    m_addressBook.clear();
}
