#pragma once

#include "core/account/AccountListReply.h"

#include <string>

class CCvService;
struct Credentials;

// One recording query: GetMeetingRecordFile with the filter. A ServiceCall job.
class RecordingQueryJob {
public:
    explicit RecordingQueryJob(std::string where)
        : m_where(std::move(where))
    {
    }

    AccountListReply operator()(CCvService& service, const Credentials& who) const;

private:
    std::string m_where;
};
