#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cvservice {

// Writes replies the way an ASP.NET SOAP 1.1 service does:
// <OpResponse xmlns="NS"><OpResult>...</OpResult>[out elements]</OpResponse>,
// data sets as a diffgram whose rows are one element each with one child per column.
class SoapReply {
public:
    // <OpResult>value</OpResult> followed by the named out elements.
    static std::string result(std::string_view operation, std::string_view value,
        std::initializer_list<std::pair<std::string_view, std::string_view>> outs = {});
    static std::string result(std::string_view operation, int value);

    static std::string envelope(std::string_view namespaceUri, std::string_view operation, std::string_view content);
    static std::string fault(std::string_view faultCode, std::string_view message);

    static void appendEscaped(std::string& out, std::string_view text);
};

// Builds one data-set result row by row, straight into the reply text.
class DataSetWriter {
public:
    DataSetWriter(std::string_view operation, std::string rowTag, std::vector<std::string> columns);

    void add(const std::vector<std::string>& values);
    std::string finish(); // once, at the end

private:
    std::string m_operation;
    std::string m_rowTag;
    std::vector<std::string> m_columns;
    std::string m_xml;
    std::size_t m_rows = 0;
};

} // namespace cvservice
