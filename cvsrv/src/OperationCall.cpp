#include "OperationCall.h"

#include "HttpTransport.h"
#include "cvsrv/CUtility.h"

#include <cstdlib>

namespace cvsrv {

OperationCall::OperationCall(
    const ServiceConfig& config, const std::atomic<bool>* cancel, const char* operation, std::size_t capacity)
    : m_config(config)
    , m_cancel(cancel)
    , m_operation(operation)
    , m_capacity(capacity)
{
}

void OperationCall::stamp()
{
    CUtility().GetTimeStamp(m_timeStamp);
}

void OperationCall::sign(const char* regphoneid, const char* password)
{
    stamp();
    CUtility().EncodeMd5(
        m_hash, "%s%s%s%s", regphoneid ? regphoneid : "", password ? password : "", m_timeStamp, CUtility::kHashSalt);
}

std::string OperationCall::envelope() const
{
    std::string xml;
    xml.reserve(m_body.xml().size() + 512);
    xml += "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<soap:Envelope xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>";
    xml.append(1, '<').append(m_operation).append(" xmlns=\"").append(escapeXml(m_config.namespaceUri)).append("\">");
    xml += m_body.xml();
    xml.append("</").append(m_operation).append(">");
    xml += "</soap:Body></soap:Envelope>";
    return xml;
}

bool OperationCall::post()
{
    const std::string request = envelope();
    const std::string soapAction = "SOAPAction:\"" + m_config.namespaceUri + m_operation + "\"";
    Log((m_operation + "_post.xml").c_str(), request.c_str());
    if (postSoap(m_config, soapAction, request, m_capacity, m_cancel, m_response) != 0)
        return false;
    Log((m_operation + "_return.xml").c_str(), m_response.c_str());
    m_reply.LoadText(m_response);
    return true;
}

int OperationCall::postForWrappedResult(std::string& result, int failStatus)
{
    const std::string response = m_operation + "Response";
    const std::string field = m_operation + "Result";
    return postForRowText(response.c_str(), field.c_str(), result, failStatus);
}

int OperationCall::postForRowText(const char* rowTag, const char* fields, std::string& result, int failStatus)
{
    int rows = 0;
    return postForRows(rowTag, fields, result, rows, failStatus);
}

int OperationCall::postForRows(const char* rowTag, const char* fields, std::string& result, int& rows, int failStatus)
{
    result.clear();
    if (!post())
        return failStatus;
    rows = m_reply.GetRows(rowTag, fields, result);
    return 0;
}

int statusOf(const std::string& value)
{
    return std::atoi(value.c_str());
}

} // namespace cvsrv
