#pragma once

#include <map>
#include <string>

namespace cvservice {

// One parsed operation call: its name and the text of each parameter element.
// Integer parameters have been checked by the endpoint before a handler sees them.
struct SoapRequest {
    std::string operation;
    std::map<std::string, std::string> params;
    std::string regphoneid; // the signed-in account, once the signature is checked
    std::string baseUrl; // "http://host:port" as the caller reached us

    const std::string& text(const std::string& name) const;
    int number(const std::string& name) const;
};

} // namespace cvservice
