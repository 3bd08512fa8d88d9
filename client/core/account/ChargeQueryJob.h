#pragma once

#include "core/account/AccountListReply.h"
#include "core/account/ChargeKind.h"

#include <string>

class CCvService;
struct Credentials;

// One bill query: getUserconference or GetUserPhoneCharge with the filter. A
// ServiceCall job.
class ChargeQueryJob {
public:
    ChargeQueryJob(ChargeKind kind, std::string where)
        : m_kind(kind)
        , m_where(std::move(where))
    {
    }

    AccountListReply operator()(CCvService& service, const Credentials& who) const;

private:
    ChargeKind m_kind;
    std::string m_where;
};
