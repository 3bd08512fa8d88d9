#include "core/addressbook/MemberAdditions.h"

#include "core/addressbook/AddressBookChange.h"
#include "core/service/ProgressReporter.h"
#include "core/service/ServiceCall.h"

MemberAdditions::MemberAdditions(GroupKind kind, int groupId, std::vector<int> addressnos)
    : m_kind(kind)
    , m_groupId(groupId)
    , m_addressnos(std::move(addressnos))
{
}

MemberAdditionReply MemberAdditions::operator()(
    CCvService& service, const Credentials& who, ProgressReporter& progress) const
{
    MemberAdditionReply reply;
    for (const int addressno : m_addressnos) {
        if (progress.cancelled())
            break;
        const ChangeReply change = AddressBookChange::addMember(m_kind, m_groupId, addressno)(service, who);
        if (change.succeeded())
            ++reply.added;
        else
            reply.refusals.append(change.message);
    }
    return reply;
}
