#include "operations/SessionOperations.h"

#include "OperationTable.h"
#include "ServiceContext.h"
#include "ServiceOptions.h"
#include "SoapReply.h"
#include "StatusCodes.h"
#include "store/AccountRepository.h"
#include "web/UpdateFiles.h"

#include <cstdlib>

namespace cvservice {

namespace {

constexpr int kPcClientSoftware = 160;

long versionNumber(const std::string& text)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return (text.empty() || *end != '\0') ? 0 : value;
}

} // namespace

SessionOperations::SessionOperations(ServiceContext& context)
    : m_context(context)
{
}

void SessionOperations::install(OperationTable& table)
{
    table.add({ "UserClientLogin",
        { T("inregphoneid"), T("inclientpassword"), T("inipaddress"), I("inlogincmd"), T("inuserid"), T("timeticks"),
            T("strMD5Client") },
        lowerCaseSigning(), [this](const SoapRequest& r) { return login(r); } });
    table.add({ "GetSysMsgInfo", { I("msgno") }, { SigningSpec::Unsigned },
        [this](const SoapRequest& r) { return messageText(r); } });
    table.add({ "CheckOrUpdatePCClientVersion", { I("insofttype"), T("insoftversion"), T("inuserid"), T("timeticks") },
        { SigningSpec::Unsigned }, [this](const SoapRequest& r) { return versionCheck(r); } });
}

std::string SessionOperations::login(const SoapRequest& request)
{
    // The signature already proves the password; the copy in the body must agree.
    const auto password = m_context.accounts.password(request.regphoneid);
    if (!password || *password != request.text("inclientpassword"))
        return SoapReply::result(request.operation, kWrongPassword);
    if (request.number("inlogincmd") != 0)
        return SoapReply::result(request.operation, kUnknownOperationFlag);
    m_context.accounts.setIpAddress(request.regphoneid, request.text("inipaddress").substr(0, 34));
    return SoapReply::result(request.operation, kOk);
}

std::string SessionOperations::messageText(const SoapRequest& request)
{
    return SoapReply::result(request.operation, statusText(request.number("msgno")));
}

std::string SessionOperations::versionCheck(const SoapRequest& request)
{
    if (request.number("insofttype") != kPcClientSoftware)
        return SoapReply::result(request.operation, std::to_string(kUnknownSoftware),
            { { "outsoftversion", "" }, { "outupgradeflag", "" }, { "outdownloadurl", "" } });
    const ServiceOptions& options = m_context.options;
    const long version = versionNumber(request.text("insoftversion"));
    // 0: current; 1: a newer version exists; 2: too old to keep running.
    const char* flag = "0";
    if (version < versionNumber(options.minimumVersion))
        flag = "2";
    else if (version < versionNumber(options.latestVersion))
        flag = "1";
    const std::string urls = *flag == '0' ? std::string() : downloadList(request.baseUrl);
    return SoapReply::result(request.operation, "0",
        { { "outsoftversion", options.latestVersion }, { "outupgradeflag", flag }, { "outdownloadurl", urls } });
}

std::string SessionOperations::downloadList(const std::string& baseUrl) const
{
    std::string urls;
    for (const std::string& name : UpdateFiles(m_context.options.updatesDir, m_context.options.latestVersion).names())
        urls += baseUrl + UpdateFiles::kUrlPrefix + name + ";";
    return urls;
}

} // namespace cvservice
