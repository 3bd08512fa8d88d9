#include "SoapEndpoint.h"

#include "Faults.h"
#include "FaultyReply.h"
#include "OperationTable.h"
#include "ReplayGuard.h"
#include "SignatureCheck.h"
#include "SignatureThrottle.h"
#include "SoapReply.h"
#include "StatusCodes.h"
#include "TimeText.h"
#include "Utf8Text.h"

#include <httplib.h>
#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <ctime>
#include <iostream>
#include <memory>

namespace cvservice {

namespace {

constexpr const char* kSoapNamespace = "http://schemas.xmlsoap.org/soap/envelope/";
constexpr const char* kContentType = "text/xml; charset=utf-8";

struct BadRequest {
    std::string message;
};

std::string_view localName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? std::string_view(colon + 1) : std::string_view(name);
}

std::string prefixOf(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? std::string(name, colon) : std::string();
}

// The namespace an element's name is in, following xmlns declarations upwards.
std::string namespaceOf(pugi::xml_node node)
{
    const std::string prefix = prefixOf(node.name());
    const std::string attribute = prefix.empty() ? "xmlns" : "xmlns:" + prefix;
    for (pugi::xml_node n = node; n && n.type() == pugi::node_element; n = n.parent()) {
        if (const pugi::xml_attribute a = n.attribute(attribute.c_str()))
            return a.value();
    }
    return {};
}

pugi::xml_node firstElement(pugi::xml_node parent)
{
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element)
            return child;
    }
    return {};
}

std::string textOf(pugi::xml_node element)
{
    std::string text;
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
        else if (child.type() == pugi::node_element)
            throw BadRequest { std::string("element ") + element.name() + " must hold text only" };
    }
    return text;
}

bool isInt32(const std::string& text)
{
    std::string_view view(text);
    while (
        !view.empty() && (view.front() == ' ' || view.front() == '\t' || view.front() == '\n' || view.front() == '\r'))
        view.remove_prefix(1);
    while (!view.empty() && (view.back() == ' ' || view.back() == '\t' || view.back() == '\n' || view.back() == '\r'))
        view.remove_suffix(1);
    if (!view.empty() && view.front() == '+')
        view.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(view.data(), view.data() + view.size(), value);
    return !view.empty() && ec == std::errc() && end == view.data() + view.size();
}

// The parser is lenient about what surrounds the root element; a real XML reader
// refuses text outside it, a second root, or a declaration that does not come first.
void requireSingleRoot(const std::string& body, const pugi::xml_document& document)
{
    std::string_view text(body);
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const auto start = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    if (start == std::string_view::npos || text[start] != '<' || text[last] != '>')
        throw BadRequest { "text outside the root element" };
    int elements = 0;
    bool first = true;
    for (pugi::xml_node child = document.first_child(); child; child = child.next_sibling(), first = false) {
        if (child.type() == pugi::node_element)
            ++elements;
        else if (child.type() == pugi::node_declaration && !first)
            throw BadRequest { "the XML declaration must come first" };
        else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            throw BadRequest { "text outside the root element" };
    }
    if (elements != 1)
        throw BadRequest { "the request must have exactly one root element" };
}

std::string unquote(std::string value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

SoapEndpoint::SoapEndpoint(const OperationTable& operations, std::string namespaceUri, const SignatureCheck& signatures,
    SignatureThrottle& throttle, ReplayGuard& replays, Faults& faults, std::string publicUrl)
    : m_operations(operations)
    , m_namespace(std::move(namespaceUri))
    , m_signatures(signatures)
    , m_throttle(throttle)
    , m_replays(replays)
    , m_faults(faults)
    , m_publicUrl(std::move(publicUrl))
{
}

bool SoapEndpoint::refusesRepeats(const std::string& operation)
{
    for (const char* prefix : { "Get", "get", "Query" }) {
        if (operation.rfind(prefix, 0) == 0)
            return false;
    }
    return operation != "UserClientLogin" && operation != "CheckOrUpdatePCClientVersion"
        && operation != "ConferenceControl";
}

void SoapEndpoint::install(httplib::Server& server)
{
    server.Post(
        kPath, [this](const httplib::Request& request, httplib::Response& response) { serve(request, response); });
}

SoapEndpoint::Answer SoapEndpoint::answer(
    const std::string& body, const std::string& soapAction, const Caller& caller) const
{
    std::string operationName;
    try {
        pugi::xml_document document;
        const pugi::xml_parse_result parsed = document.load_buffer(
            body.data(), body.size(), pugi::parse_default | pugi::parse_declaration, pugi::encoding_utf8);
        if (!parsed)
            throw BadRequest { std::string("the request is not well-formed XML: ") + parsed.description() };
        requireSingleRoot(body, document);
        const pugi::xml_node envelope = document.document_element();
        if (localName(envelope.name()) != "Envelope" || namespaceOf(envelope) != kSoapNamespace)
            throw BadRequest { "the request is not a SOAP 1.1 envelope" };
        pugi::xml_node soapBody;
        for (pugi::xml_node child = envelope.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_element && localName(child.name()) == "Body"
                && namespaceOf(child) == kSoapNamespace)
                soapBody = child;
        }
        const pugi::xml_node call = firstElement(soapBody);
        if (!call)
            throw BadRequest { "the envelope has no body element" };
        operationName = std::string(localName(call.name()));
        const Operation* operation = m_operations.find(operationName);
        if (!operation || namespaceOf(call) != m_namespace)
            throw BadRequest { "Server did not recognize the value of HTTP Header SOAPAction: " + soapAction + "." };
        if (unquote(soapAction) != m_namespace + operationName)
            throw BadRequest { "Server did not recognize the value of HTTP Header SOAPAction: " + soapAction + "." };

        SoapRequest request;
        request.operation = operationName;
        request.baseUrl = caller.baseUrl;
        for (pugi::xml_node child = call.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element)
                continue;
            std::string value = textOf(child);
            if (!utf8text::isValid(value))
                throw BadRequest { std::string("element ") + child.name() + " is not valid UTF-8" };
            request.params.emplace(std::string(localName(child.name())), utf8text::flattenControls(value));
        }
        for (const ParamSpec& param : operation->params) {
            const auto it = request.params.find(param.name);
            if (it == request.params.end())
                throw BadRequest { "missing parameter " + param.name };
            if (param.kind == ParamKind::Integer && !isInt32(it->second))
                throw BadRequest { "parameter " + param.name + ": Input string was not in a correct format." };
        }
        if (operation->signing.kind == SigningSpec::Signed) {
            const std::string& account = request.text(operation->signing.accountElement);
            const std::string& stamp = request.text(operation->signing.stampElement);
            auto refuse = [&](int status) {
                return Answer { 200,
                    SoapReply::envelope(m_namespace, operationName, SoapReply::result(operationName, status)) };
            };
            const auto now = SignatureThrottle::Clock::now();
            if (m_throttle.wait(account, caller.address, now).count() > 0)
                return refuse(kTooManyFailures);
            const int status
                = m_signatures.verify(account, stamp, request.text(operation->signing.hashElement), std::time(nullptr));
            if (status == kWrongPassword)
                m_throttle.failed(account, caller.address, now);
            else if (status == kUnknownAccount || status == kMalformedSignature)
                m_throttle.failed({}, caller.address, now);
            if (status != kOk)
                return refuse(status);
            m_throttle.succeeded(account, caller.address, now);
            if (refusesRepeats(operationName)
                && !m_replays.firstTime(account, timetext::parseStamp(stamp).value_or(0), body, std::time(nullptr)))
                return refuse(kRepeatedRequest);
            request.regphoneid = account;
        }
        return { 200, SoapReply::envelope(m_namespace, operationName, operation->handler(request)) };
    } catch (const BadRequest& bad) {
        return { 500, SoapReply::fault("soap:Client", bad.message) };
    } catch (const std::exception& error) {
        std::cerr << "cvservice: " << operationName << " failed: " << error.what() << std::endl;
        return { 500, SoapReply::fault("soap:Server", "Server was unable to process request.") };
    }
}

void SoapEndpoint::serve(const httplib::Request& request, httplib::Response& response) const
{
    // A SOAP 1.1 request is text/xml; anything else is a client bug worth showing.
    if (request.get_header_value("Content-Type").rfind("text/xml", 0) != 0) {
        response.status = 415;
        response.set_content(
            SoapReply::fault("soap:Client", "SOAP 1.1 requests must be sent as text/xml."), kContentType);
        return;
    }
    if (answerWithFault(m_faults.http(), request, response))
        return;

    // Addresses in replies never come from the request's Host header, which the caller
    // chooses: they name where this service is configured to be reached, or else the
    // address the request actually came in on.
    std::string baseUrl = m_publicUrl;
    if (baseUrl.empty()) {
        const bool v6 = request.local_addr.find(':') != std::string::npos;
        baseUrl = "http://" + (v6 ? "[" + request.local_addr + "]" : request.local_addr) + ":"
            + std::to_string(request.local_port);
    }
    Answer result = answer(request.body, request.get_header_value("SOAPAction"), { request.remote_addr, baseUrl });
    response.status = result.httpStatus;
    // Handed over without a copy: a big address book makes a reply of many megabytes.
    auto body = std::make_shared<std::string>(std::move(result.body));
    response.set_content_provider(
        body->size(), kContentType, [body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            sink.write(body->data() + offset, std::min(length, body->size() - offset));
            return true;
        });
}

} // namespace cvservice
