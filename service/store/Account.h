#pragma once

#include <cstdint>
#include <string>

namespace cvservice {

struct Account {
    std::string regphoneid;
    std::string password;
    std::int64_t clientno = 0;
    std::int64_t balance = 0; // hundredths of a yuan
    std::string expiry; // "YYYY-MM-DD"
    std::string idcard;
    int idtype = 1;
    int sex = 2;
    std::string contactname;
    std::string contactid;
    std::string email;
    std::string street;
    std::string city;
    std::string state;
    std::string country;
    std::string postcode;
    std::string meetcall;
    std::string messagesender;
    std::string comment;
    std::string modifytime;
    std::string ipaddress;
    std::string chairpersonpwd;
    std::string participantpwd;
    std::string noteno = "1";
};

} // namespace cvservice
