#include "SoapReplies.h"

namespace corvana::test {

std::string xmlEscape(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string soapEnvelope(std::string_view bodyContent)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                      "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body>";
    xml += bodyContent;
    xml += "</soap:Body></soap:Envelope>";
    return xml;
}

std::string soapResponse(std::string_view ns, std::string_view operation, const std::vector<Field>& children)
{
    std::string xml;
    xml.append("<").append(operation).append("Response xmlns=\"").append(xmlEscape(ns)).append("\">");
    for (const auto& [name, value] : children)
        xml.append("<").append(name).append(">").append(xmlEscape(value)).append("</").append(name).append(">");
    xml.append("</").append(operation).append("Response>");
    return soapEnvelope(xml);
}

std::string soapResult(std::string_view ns, std::string_view operation, std::string_view value)
{
    return soapResponse(ns, operation, { { std::string(operation) + "Result", std::string(value) } });
}

std::string dataSetReply(
    std::string_view ns, std::string_view operation, std::string_view rowTag, const std::vector<Row>& rows)
{
    const std::string row(rowTag);
    std::string xml;
    xml.append("<").append(operation).append("Response xmlns=\"").append(xmlEscape(ns)).append("\">");
    xml.append("<").append(operation).append("Result>");
    // The inline schema names the row element too, as an attribute value: a reader that
    // matched names loosely would find rows here.
    xml += "<xs:schema id=\"NewDataSet\" xmlns=\"\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:msdata=\"urn:schemas-microsoft-com:xml-msdata\">"
           "<xs:element name=\"NewDataSet\" msdata:IsDataSet=\"true\"><xs:complexType><xs:choice "
           "minOccurs=\"0\" maxOccurs=\"unbounded\"><xs:element name=\""
        + row + "\"><xs:complexType><xs:sequence>";
    if (!rows.empty())
        for (const auto& field : rows.front())
            xml += "<xs:element name=\"" + field.first + "\" type=\"xs:string\" minOccurs=\"0\" />";
    xml += "</xs:sequence></xs:complexType></xs:element></xs:choice></xs:complexType></xs:element></xs:schema>";
    xml += "<diffgr:diffgram xmlns:msdata=\"urn:schemas-microsoft-com:xml-msdata\" "
           "xmlns:diffgr=\"urn:schemas-microsoft-com:xml-diffgram-v1\"><NewDataSet xmlns=\"\">";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        xml += "<" + row + " diffgr:id=\"" + row + std::to_string(i + 1) + "\" msdata:rowOrder=\"" + std::to_string(i)
            + "\">";
        for (const auto& [name, value] : rows[i])
            xml += "<" + name + ">" + xmlEscape(value) + "</" + name + ">";
        xml += "</" + row + ">";
    }
    xml += "</NewDataSet></diffgr:diffgram>";
    xml.append("</").append(operation).append("Result>");
    xml.append("</").append(operation).append("Response>");
    return soapEnvelope(xml);
}

} // namespace corvana::test
