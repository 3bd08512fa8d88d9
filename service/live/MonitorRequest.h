#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace cvservice {

// One message from a monitor client: "verify" or "monitor", whose "value" is a JSON
// text carried as a string.
struct MonitorRequest {
    enum class Kind { Verify, Monitor, Other };

    Kind kind = Kind::Other;
    std::string regphoneid;
    std::string timestamp;
    std::string hashcode;
    std::string conferenceid;

    // Empty for text that is not a JSON object with a string "key".
    static std::optional<MonitorRequest> parse(const std::string& text);

    // Whether hashcode is the signature of regphoneid and timestamp with this password,
    // made the way every request to the service is signed.
    bool signedWith(const std::string& password) const;

    // Whether the time stamp (local time, as clients take it) lies within windowSeconds
    // of now; a window of 0 accepts any well-formed time stamp.
    bool stampedWithin(long windowSeconds, std::time_t now) const;
};

} // namespace cvservice
