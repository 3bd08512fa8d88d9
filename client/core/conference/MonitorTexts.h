#pragma once

#include <string>

// The two messages the client sends to the monitor server, as their exact bytes: no
// terminating zero, newline or length prefix. Each "value" is a JSON text carried as
// a string, so every value is escaped for both levels: an account or conference id
// holding a quote or backslash can never break or rewrite the message.
class MonitorTexts {
public:
    // Account and password in the library's code page, as every request is signed.
    // hashcode = MD5 of account, password, timestamp and the signing salt.
    static std::string verify(const std::string& account, const std::string& password, const std::string& timestamp);
    static std::string monitorRequest(const std::string& account, const std::string& conferenceId);

    // The text as a JSON string's content (without the quotes).
    static std::string escaped(const std::string& text);
};
