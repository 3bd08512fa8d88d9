#pragma once

#include <string>

// Who a job calls the service as: the session's account and password, converted to
// the library's code page exactly as the sign-in sends them, so every call is signed
// alike whatever code page is set.
struct Credentials {
    std::string account;
    std::string password;
};
