#include "RequestChecks.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <regex>

using corvana::test::RecordedRequest;

namespace {

std::size_t headerIndex(const RecordedRequest& request, const std::string& line)
{
    const auto& lines = request.headerLines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << "header line: " << line;
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

pugi::xml_node operationElement(const pugi::xml_document& document)
{
    return document.child("soap:Envelope").child("soap:Body").first_child();
}

bool isTimeStamp(const std::string& text)
{
    return text.size() == 14 && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

std::string md5Hex(const std::string& bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0F];
    }
    return hex;
}

void checkRequest(const RecordedRequest& request, const std::string& ns, const ExpectedRequest& expected)
{
    SCOPED_TRACE(expected.operation);
    EXPECT_EQ(request.requestLine, "POST /MeetingWebSevc.asmx HTTP/1.0");
    const std::size_t contentType = headerIndex(request, "Content-Type: text/xml; charset=utf-8");
    const std::size_t soapAction = headerIndex(request, "SOAPAction:\"" + ns + expected.operation + "\"");
    const std::size_t connection = headerIndex(request, "Connection: Keep-Alive");
    EXPECT_LT(contentType, soapAction);
    EXPECT_LT(soapAction, connection);
    EXPECT_EQ(request.header("Content-Length"), std::to_string(request.body.size()));

    const std::string& body = request.body;
    EXPECT_EQ(body.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope ", 0), 0u) << body;
    EXPECT_EQ(body.find("/>"), std::string::npos) << "self-closing element in " << body;
    EXPECT_FALSE(std::regex_search(body, std::regex(">\\s+<"))) << "whitespace between elements in " << body;

    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(body.c_str())) << body;
    const pugi::xml_node envelope = document.child("soap:Envelope");
    EXPECT_STREQ(envelope.attribute("xmlns:xsi").value(), "http://www.w3.org/2001/XMLSchema-instance");
    EXPECT_STREQ(envelope.attribute("xmlns:xsd").value(), "http://www.w3.org/2001/XMLSchema");
    EXPECT_STREQ(envelope.attribute("xmlns:soap").value(), "http://schemas.xmlsoap.org/soap/envelope/");
    ASSERT_EQ(std::distance(envelope.children().begin(), envelope.children().end()), 1) << "only soap:Body";
    const pugi::xml_node soapBody = envelope.child("soap:Body");
    ASSERT_EQ(std::distance(soapBody.children().begin(), soapBody.children().end()), 1);

    const pugi::xml_node operation = operationElement(document);
    EXPECT_STREQ(operation.name(), expected.operation.c_str());
    ASSERT_EQ(std::distance(operation.attributes().begin(), operation.attributes().end()), 1);
    EXPECT_STREQ(operation.attribute("xmlns").value(), ns.c_str());

    std::vector<std::string> names, wantedNames;
    for (const pugi::xml_node child : operation.children())
        names.emplace_back(child.name());
    for (const auto& parameter : expected.parameters)
        wantedNames.push_back(parameter.first);
    ASSERT_EQ(names, wantedNames);

    std::string timeStamp;
    std::string hash;
    pugi::xml_node child = operation.first_child();
    for (const auto& [name, value] : expected.parameters) {
        const std::string actual = child.text().get();
        if (value == kTimeStampToken) {
            timeStamp = actual;
            EXPECT_TRUE(isTimeStamp(actual)) << name << " = " << actual;
        } else if (value == kHashToken) {
            hash = actual;
        } else {
            EXPECT_EQ(actual, value) << "element " << name;
        }
        child = child.next_sibling();
    }
    if (!hash.empty() || !expected.hashPhone.empty()) {
        ASSERT_FALSE(timeStamp.empty()) << "a signed request carries its time stamp";
        EXPECT_EQ(hash, md5Hex(expected.hashPhone + expected.hashPassword + timeStamp + "QWZRT"));
    }
}

std::string parameterOf(const RecordedRequest& request, const std::string& name)
{
    pugi::xml_document document;
    if (!document.load_string(request.body.c_str()))
        return {};
    return operationElement(document).child(name.c_str()).text().get();
}
