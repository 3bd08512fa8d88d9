#pragma once

#include "core/addressbook/ChangeResult.h"
#include "core/addressbook/ContactRecord.h"
#include "core/addressbook/GroupKind.h"

#include <QString>

#include <functional>
#include <string>

class CCvService;
struct Credentials;

// What a change of the address book came to: the service's result code (0 success)
// and, for a refusal, the text the service gives for that code. An exchange that
// failed is a failure too (code -1), never taken for a success.
struct ChangeReply {
    int code = -1;
    QString message;

    bool succeeded() const { return code == 0; }
};

// Contact and group names travel in at most 512 UTF-8 bytes, and the library cuts a
// longer one. An edit that takes at most this many UTF-16 units never types a name
// that would arrive cut: no unit is more than three UTF-8 bytes.
inline constexpr int kNameEditLimit = 512 / 3;

// One change of the service-side address book, as a ServiceCall job. The copy in the
// session is never edited in place: on success the caller synchronises it again; on
// a refusal it shows the message and changes nothing.
class AddressBookChange {
public:
    static AddressBookChange addContact(const ContactRecord& contact);
    static AddressBookChange modifyContact(const ContactRecord& contact);
    static AddressBookChange deleteContact(int addressno);
    static AddressBookChange addGroup(GroupKind kind, const std::string& name);
    static AddressBookChange renameGroup(GroupKind kind, int groupId, const std::string& name);
    static AddressBookChange deleteGroup(GroupKind kind, int groupId, const std::string& name);
    static AddressBookChange addMember(GroupKind kind, int groupId, int addressno);
    static AddressBookChange removeMember(GroupKind kind, int groupId, int addressno);
    // Out of one group into another: the removal first, then the addition, whose
    // result alone decides.
    static AddressBookChange moveMember(GroupKind kind, int fromGroupId, int toGroupId, int addressno);

    ChangeReply operator()(CCvService& service, const Credentials& who) const;

    // What the operation(s) left: the status of the exchange and the result text.
    struct Outcome {
        int status = -1;
        std::string text;
    };

private:
    using Call = std::function<Outcome(CCvService&, const Credentials&)>;
    explicit AddressBookChange(Call call)
        : m_call(std::move(call))
    {
    }

    Call m_call;
};
