#pragma once

#include "core/service/ProgressReporter.h"

#include <utility>

class CCvService;
struct Credentials;

// A job that runs under the progress dialog but reports no progress of its own: the
// dialog closes when it ends. For ServiceCall::startWithProgress.
template <typename Job> auto underProgress(Job job)
{
    return [job = std::move(job)](CCvService& service, const Credentials& who, ProgressReporter& progress) {
        auto reply = job(service, who);
        progress.finish(-1, -1);
        return reply;
    };
}
