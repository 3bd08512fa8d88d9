#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace cvservice {

// Checks the signature of a request: the hash code must be the MD5 of the account,
// its stored password, the time stamp and the salt, and the time stamp must lie
// within the window of the service's clock.
class SignatureCheck {
public:
    using PasswordLookup = std::function<std::optional<std::string>(const std::string& regphoneid)>;

    // windowSeconds 0 accepts any well-formed time stamp.
    SignatureCheck(PasswordLookup lookup, long windowSeconds);

    // 0, or the status code that refuses the request.
    int verify(const std::string& regphoneid, const std::string& stamp, const std::string& hash, std::time_t now) const;

    static std::string expectedHash(
        const std::string& regphoneid, const std::string& password, const std::string& stamp);

private:
    PasswordLookup m_lookup;
    long m_windowSeconds;
};

} // namespace cvservice
