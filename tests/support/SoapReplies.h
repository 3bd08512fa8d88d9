#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvana::test {

// Builders of reply bodies shaped like the service's own: a SOAP 1.1 envelope around
// one "<Op>Response" element in the service namespace. Values are XML-escaped.

using Field = std::pair<std::string, std::string>; // element name, text value
using Row = std::vector<Field>;

std::string xmlEscape(std::string_view text);

// The whole reply document around the given content of soap:Body.
std::string soapEnvelope(std::string_view bodyContent);

// <Op>Response xmlns="ns"> with one child element per field, in order.
std::string soapResponse(std::string_view ns, std::string_view operation, const std::vector<Field>& children);

// The reply of a status or wrapped-scalar operation: <Op>Result>value</Op>Result>.
std::string soapResult(std::string_view ns, std::string_view operation, std::string_view value);

// A data-set reply: <Op>Result> holding an inline schema and a diffgram whose
// NewDataSet has one rowTag element ("ds" or "Table") per row, with one child per field.
std::string dataSetReply(
    std::string_view ns, std::string_view operation, std::string_view rowTag, const std::vector<Row>& rows);

} // namespace corvana::test
