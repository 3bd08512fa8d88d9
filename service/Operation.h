#pragma once

#include "SoapRequest.h"

#include <functional>
#include <string>
#include <vector>

namespace cvservice {

enum class ParamKind { Text, Integer };

struct ParamSpec {
    std::string name;
    ParamKind kind = ParamKind::Text;
};

// How a request proves who sent it. Signed operations name the elements that carry
// the account, the time stamp and the hash code, which differ between operations.
struct SigningSpec {
    enum Kind { Unsigned, Signed } kind = Signed;
    std::string accountElement = "inregphoneid";
    std::string stampElement = "timeticks";
    std::string hashElement = "strMD5Client";
};

// Handlers return the content of the response element (everything inside
// <OpResponse>); SoapReply builds it.
using OperationHandler = std::function<std::string(const SoapRequest&)>;

struct Operation {
    std::string name;
    std::vector<ParamSpec> params;
    SigningSpec signing;
    OperationHandler handler;
};

// Shorthands for the parameter lists: T("name") is text, I("name") an integer.
inline ParamSpec T(std::string name)
{
    return { std::move(name), ParamKind::Text };
}
inline ParamSpec I(std::string name)
{
    return { std::move(name), ParamKind::Integer };
}

// The two element-naming styles of signed requests.
inline SigningSpec lowerCaseSigning()
{
    return {};
}
inline SigningSpec camelCaseSigning()
{
    return { SigningSpec::Signed, "regphoneId", "timeStamp", "hashCode" };
}

} // namespace cvservice
