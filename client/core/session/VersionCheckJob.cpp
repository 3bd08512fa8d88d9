#include "core/session/VersionCheckJob.h"

#include "core/service/ServiceCall.h"

#include "CorvanaVersion.h"

VersionAnswer checkClientVersion(CCvService& service, const Credentials& who)
{
    std::string text;
    service.CheckOrUpdatePCClientVersion(corvana::version::kWire, who.account.c_str(), text);
    return VersionAnswer::parse(text);
}
