#include "SoapReply.h"

#include "MarkupEscape.h"
#include "Utf8Text.h"
#include "xls/TextEncoding.h"

namespace cvservice {

void SoapReply::appendEscaped(std::string& out, std::string_view text)
{
    appendEscapedMarkup(out, text);
}

std::string SoapReply::result(std::string_view operation, std::string_view value,
    std::initializer_list<std::pair<std::string_view, std::string_view>> outs)
{
    std::string xml;
    xml.append("<").append(operation).append("Result>");
    appendEscaped(xml, value);
    xml.append("</").append(operation).append("Result>");
    for (const auto& [name, outValue] : outs) {
        xml.append("<").append(name).append(">");
        appendEscaped(xml, outValue);
        xml.append("</").append(name).append(">");
    }
    return xml;
}

std::string SoapReply::result(std::string_view operation, int value)
{
    return result(operation, std::to_string(value));
}

std::string SoapReply::envelope(std::string_view namespaceUri, std::string_view operation, std::string_view content)
{
    std::string xml;
    xml.reserve(content.size() + 512);
    xml += "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body><";
    xml.append(operation).append("Response xmlns=\"");
    appendEscaped(xml, namespaceUri);
    xml.append("\">").append(content).append("</").append(operation).append("Response></soap:Body></soap:Envelope>");
    return xml;
}

std::string SoapReply::fault(std::string_view faultCode, std::string_view message)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                      "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body><soap:Fault><faultcode>";
    xml.append(faultCode).append("</faultcode><faultstring>");
    // A fault may quote what the caller sent (its SOAPAction, an element's name), which
    // can hold any bytes; XML holds neither ill-formed UTF-8 nor control characters.
    appendEscaped(xml, utf8text::flattenControls(xls::sanitizeUtf8(message)));
    xml.append("</faultstring><detail /></soap:Fault></soap:Body></soap:Envelope>");
    return xml;
}

DataSetWriter::DataSetWriter(std::string_view operation, std::string rowTag, std::vector<std::string> columns)
    : m_operation(operation)
    , m_rowTag(std::move(rowTag))
    , m_columns(std::move(columns))
{
    m_xml.append("<").append(m_operation).append("Result>");
    // The schema part of a serialised DataSet: every column a string, as the
    // service's own tables declare them.
    m_xml.append("<xs:schema id=\"NewDataSet\" xmlns=\"\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                 "xmlns:msdata=\"urn:schemas-microsoft-com:xml-msdata\">"
                 "<xs:element name=\"NewDataSet\" msdata:IsDataSet=\"true\" msdata:UseCurrentLocale=\"true\">"
                 "<xs:complexType><xs:choice minOccurs=\"0\" maxOccurs=\"unbounded\"><xs:element name=\"");
    m_xml.append(m_rowTag).append("\"><xs:complexType><xs:sequence>");
    for (const std::string& column : m_columns)
        m_xml.append("<xs:element name=\"").append(column).append("\" type=\"xs:string\" minOccurs=\"0\" />");
    m_xml.append("</xs:sequence></xs:complexType></xs:element></xs:choice></xs:complexType></xs:element></xs:schema>");
    m_xml.append("<diffgr:diffgram xmlns:msdata=\"urn:schemas-microsoft-com:xml-msdata\" "
                 "xmlns:diffgr=\"urn:schemas-microsoft-com:xml-diffgram-v1\"><NewDataSet xmlns=\"\">");
}

void DataSetWriter::add(const std::vector<std::string>& values)
{
    const std::string number = std::to_string(m_rows + 1);
    m_xml.append("<").append(m_rowTag).append(" diffgr:id=\"").append(m_rowTag).append(number);
    m_xml.append("\" msdata:rowOrder=\"").append(std::to_string(m_rows)).append("\">");
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const std::string_view value = i < values.size() ? std::string_view(values[i]) : std::string_view();
        m_xml.append("<").append(m_columns[i]).append(">");
        SoapReply::appendEscaped(m_xml, value);
        m_xml.append("</").append(m_columns[i]).append(">");
    }
    m_xml.append("</").append(m_rowTag).append(">");
    ++m_rows;
}

std::string DataSetWriter::finish()
{
    m_xml.append("</NewDataSet></diffgr:diffgram>");
    m_xml.append("</").append(m_operation).append("Result>");
    return std::move(m_xml);
}

} // namespace cvservice
