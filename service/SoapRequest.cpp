#include "SoapRequest.h"

#include <cstdlib>

namespace cvservice {

const std::string& SoapRequest::text(const std::string& name) const
{
    static const std::string empty;
    const auto it = params.find(name);
    return it == params.end() ? empty : it->second;
}

int SoapRequest::number(const std::string& name) const
{
    return static_cast<int>(std::strtol(text(name).c_str(), nullptr, 10));
}

} // namespace cvservice
