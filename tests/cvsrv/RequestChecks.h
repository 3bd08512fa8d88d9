#pragma once

#include "FakeSoapServer.h"
#include "SoapReplies.h"

#include <string>
#include <vector>

// What the service must receive for one operation: the body element's parameters in
// wire order. The values "{ts}" and "{hash}" stand for the request's own time stamp
// and its hash code, which the checks recompute independently.
struct ExpectedRequest {
    std::string operation;
    std::vector<corvana::test::Field> parameters;
    std::string hashPhone;
    std::string hashPassword;
};

inline constexpr const char* kTimeStampToken = "{ts}";
inline constexpr const char* kHashToken = "{hash}";

// Upper-case hex MD5, computed without the library.
std::string md5Hex(const std::string& bytes);

// Adds a GoogleTest failure for every way the request differs from what the service
// expects: request line, the three headers in order, the envelope, element names,
// order and values, no self-closing elements, and the signature.
void checkRequest(
    const corvana::test::RecordedRequest& request, const std::string& ns, const ExpectedRequest& expected);

// The text of the named parameter element of the request's body element, "" if absent.
std::string parameterOf(const corvana::test::RecordedRequest& request, const std::string& name);
