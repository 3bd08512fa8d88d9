#pragma once

#include "core/addressbook/ContactRecord.h"

#include <string>
#include <string_view>
#include <vector>

// The participants' two fields of a conference request or record: phones and names
// joined with ",", item for item. Shared by the instant and scheduled pages, which
// read a conference's people and send their own the same way.
class ParticipantText {
public:
    // Appends one name item. The service splits the names field at ",", so a comma
    // inside a name would give every later participant the name of the one before;
    // the full-width comma reads the same in a Chinese name and keeps the items in step.
    static void appendName(std::string& names, std::string_view name);

    // The participants of a conference: phones and names split at ",", blanks on the
    // right dropped, name item i for phone item i (none when the names run out); a
    // participant without a phone is skipped.
    static std::vector<ContactRecord> split(std::string_view phones, std::string_view names);
};
