#pragma once

#include <string>

// One contact. Members of groups carry only addressno, addressname and phone; their
// full record is found in the all-contacts list by addressno. Texts are UTF-8.
struct ContactRecord {
    int addressno = 0; // 0 for a contact the service has not stored yet
    std::string clientno;
    std::string addressname;
    std::string phone; // as typed, never normalised
    int sex = 0; // 1 male, 2 female, 0 not given
    std::string email;
    int addressgroupid = 0;
    std::string addressgroupname;

    // Participant state while the contact takes part in a conference; the address
    // book itself never reads or changes these.
    int phonetype = 0;
    int callstate = 3;
    int speakstate = 1;
    int speakrequest = 0;
    int activetalker = 1;

    bool operator==(const ContactRecord&) const = default;
};
