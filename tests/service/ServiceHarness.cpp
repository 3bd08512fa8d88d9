#include "ServiceHarness.h"

#include "TimeText.h"

#include <httplib.h>

#include <stdexcept>
#include <thread>

namespace cvservice::test {

ServiceOptions ServiceHarness::defaults()
{
    ServiceOptions options;
    options.bindAddress = "127.0.0.1";
    options.httpPort = 0;
    options.monitorPort = 0;
    options.dbPath = ":memory:";
    options.demo = true;
    options.fast = true;
    options.threads = 16;
    return options;
}

ServiceHarness::ServiceHarness(ServiceOptions options)
    : m_service(std::make_unique<Service>(std::move(options)))
{
    std::string error;
    if (!m_service->start(error))
        throw std::runtime_error("cvservice did not start: " + error);
}

ServiceHarness::~ServiceHarness()
{
    m_service->stop();
}

cvsrv::ServiceConfig ServiceHarness::config() const
{
    cvsrv::ServiceConfig config;
    config.webHost = "127.0.0.1";
    config.webPort = m_service->httpPort();
    config.namespaceUri = m_service->namespaceUri();
    config.connectTimeoutMs = 5000;
    config.exchangeTimeoutMs = 10000;
    return config;
}

namespace {

RawReply toReply(const httplib::Result& result)
{
    RawReply reply;
    if (!result)
        return reply;
    reply.status = result->status;
    reply.body = result->body;
    reply.hasContentLength = result->has_header("Content-Length");
    return reply;
}

} // namespace

RawReply ServiceHarness::post(const std::string& body, const std::string& soapAction) const
{
    httplib::Client http("127.0.0.1", m_service->httpPort());
    httplib::Headers headers;
    if (!soapAction.empty())
        headers.emplace("SOAPAction", soapAction);
    return toReply(http.Post("/MeetingWebSevc.asmx", headers, body, "text/xml; charset=utf-8"));
}

RawReply ServiceHarness::get(const std::string& path) const
{
    httplib::Client http("127.0.0.1", m_service->httpPort());
    return toReply(http.Get(path));
}

RawReply ServiceHarness::postForm(
    const std::string& path, const std::string& body, const std::string& contentType) const
{
    httplib::Client http("127.0.0.1", m_service->httpPort());
    return toReply(http.Post(path, body, contentType));
}

std::string ServiceHarness::envelope(const std::string& operation, const std::string& parameters) const
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><"
        + operation + " xmlns=\"" + m_service->namespaceUri() + "\">" + parameters + "</" + operation
        + "></soap:Body></soap:Envelope>";
}

std::string ServiceHarness::action(const std::string& operation) const
{
    return "\"" + m_service->namespaceUri() + operation + "\"";
}

std::vector<std::vector<std::string>> rowsOf(const std::string& resultText)
{
    CUtility utility;
    std::vector<std::string> lines;
    utility.Split(resultText, "\n", &lines);
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : lines) {
        std::vector<std::string> fields;
        utility.Split(line, "\r", &fields);
        rows.push_back(std::move(fields));
    }
    return rows;
}

bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

std::string timeFromNow(long seconds)
{
    return timetext::format(std::time(nullptr) + seconds);
}

} // namespace cvservice::test
