#include "SignatureCheck.h"

#include "StatusCodes.h"
#include "TimeText.h"

#include "cvsrv/CUtility.h"

#include <cctype>
#include <cstdlib>

namespace cvservice {

namespace {

// Longer fields cannot come from the client and would not fit the hash helper's
// formatting buffer.
constexpr std::size_t kMaxField = 64;

bool equalsIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool isHexDigest(const std::string& hash)
{
    if (hash.size() != 32)
        return false;
    for (const char c : hash) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

} // namespace

SignatureCheck::SignatureCheck(PasswordLookup lookup, long windowSeconds)
    : m_lookup(std::move(lookup))
    , m_windowSeconds(windowSeconds)
{
}

std::string SignatureCheck::expectedHash(
    const std::string& regphoneid, const std::string& password, const std::string& stamp)
{
    CUtility utility;
    char digest[64] = {};
    utility.EncodeMd5(digest, "%s%s%s%s", regphoneid.c_str(), password.c_str(), stamp.c_str(), CUtility::kHashSalt);
    return digest;
}

int SignatureCheck::verify(
    const std::string& regphoneid, const std::string& stamp, const std::string& hash, std::time_t now) const
{
    if (regphoneid.empty() || regphoneid.size() > kMaxField)
        return kUnknownAccount;
    const auto password = m_lookup(regphoneid);
    if (!password)
        return kUnknownAccount;
    const auto when = timetext::parseStamp(stamp);
    if (!when || !isHexDigest(hash))
        return kMalformedSignature;
    if (m_windowSeconds > 0 && std::labs(static_cast<long>(now - *when)) > m_windowSeconds)
        return kStaleTimeStamp;
    // The hash covers the password, so a wrong password shows up as a wrong hash.
    return equalsIgnoringCase(expectedHash(regphoneid, *password, stamp), hash) ? kOk : kWrongPassword;
}

} // namespace cvservice
