#include "core/addressbook/AddressBookChange.h"

#include "core/service/ServiceCall.h"

#include "cvsrv/CUtility.h"

#include <QCoreApplication>

namespace {

// The operations' flag values.
constexpr int kAdd = 0;
constexpr int kModify = 1;
constexpr int kDelete = 2;

using Outcome = AddressBookChange::Outcome;

Outcome contactCall(CCvService& service, const Credentials& who, const ContactRecord& contact, int addressno, int flag)
{
    Outcome outcome;
    outcome.status = service.ClientAddressNew(who.account.c_str(), who.password.c_str(), addressno, contact.sex,
        contact.addressname.c_str(), contact.phone.c_str(), contact.email.c_str(), flag, outcome.text);
    return outcome;
}

Outcome groupCall(
    CCvService& service, const Credentials& who, GroupKind kind, int groupId, const std::string& name, int flag)
{
    const auto call = kind == GroupKind::ContactGroup ? &CCvService::ClientAddressGroup : &CCvService::ClientConfGroup;
    Outcome outcome;
    outcome.status
        = (service.*call)(who.account.c_str(), who.password.c_str(), groupId, name.c_str(), flag, outcome.text);
    return outcome;
}

Outcome memberCall(CCvService& service, const Credentials& who, GroupKind kind, int groupId, int addressno, int flag)
{
    const auto call = kind == GroupKind::ContactGroup ? &CCvService::ClientAddressGroupMemberNew
                                                      : &CCvService::ClientConfGroupMemberNew;
    Outcome outcome;
    outcome.status = (service.*call)(who.account.c_str(), who.password.c_str(), groupId, addressno, flag, outcome.text);
    return outcome;
}

} // namespace

AddressBookChange AddressBookChange::addContact(const ContactRecord& contact)
{
    return AddressBookChange(
        [contact](CCvService& service, const Credentials& who) { return contactCall(service, who, contact, 0, kAdd); });
}

AddressBookChange AddressBookChange::modifyContact(const ContactRecord& contact)
{
    return AddressBookChange([contact](CCvService& service, const Credentials& who) {
        return contactCall(service, who, contact, contact.addressno, kModify);
    });
}

AddressBookChange AddressBookChange::deleteContact(int addressno)
{
    return AddressBookChange([addressno](CCvService& service, const Credentials& who) {
        ContactRecord gone;
        gone.sex = 1;
        return contactCall(service, who, gone, addressno, kDelete);
    });
}

AddressBookChange AddressBookChange::addGroup(GroupKind kind, const std::string& name)
{
    return AddressBookChange([kind, name](CCvService& service, const Credentials& who) {
        return groupCall(service, who, kind, 0, name, kAdd);
    });
}

AddressBookChange AddressBookChange::renameGroup(GroupKind kind, int groupId, const std::string& name)
{
    return AddressBookChange([kind, groupId, name](CCvService& service, const Credentials& who) {
        return groupCall(service, who, kind, groupId, name, kModify);
    });
}

AddressBookChange AddressBookChange::deleteGroup(GroupKind kind, int groupId, const std::string& name)
{
    return AddressBookChange([kind, groupId, name](CCvService& service, const Credentials& who) {
        return groupCall(service, who, kind, groupId, name, kDelete);
    });
}

AddressBookChange AddressBookChange::addMember(GroupKind kind, int groupId, int addressno)
{
    return AddressBookChange([kind, groupId, addressno](CCvService& service, const Credentials& who) {
        return memberCall(service, who, kind, groupId, addressno, kAdd);
    });
}

AddressBookChange AddressBookChange::removeMember(GroupKind kind, int groupId, int addressno)
{
    return AddressBookChange([kind, groupId, addressno](CCvService& service, const Credentials& who) {
        return memberCall(service, who, kind, groupId, addressno, kDelete);
    });
}

AddressBookChange AddressBookChange::moveMember(GroupKind kind, int fromGroupId, int toGroupId, int addressno)
{
    return AddressBookChange([kind, fromGroupId, toGroupId, addressno](CCvService& service, const Credentials& who) {
        memberCall(service, who, kind, fromGroupId, addressno, kDelete);
        return memberCall(service, who, kind, toGroupId, addressno, kAdd);
    });
}

ChangeReply AddressBookChange::operator()(CCvService& service, const Credentials& who) const
{
    const Outcome outcome = m_call(service, who);
    ChangeReply reply;
    // No answer carries no result code: an empty text must not read as success, also
    // when the exchange went through but brought no answer (an error page, broken XML).
    if (outcome.status != 0 || outcome.text.empty()) {
        reply.code = outcome.status != 0 ? outcome.status : -1;
        reply.message = QCoreApplication::translate("AddressBookChange", "网络连接已断开,请稍后重试。");
        return reply;
    }
    reply.code = ChangeResult(outcome.text);
    if (!reply.succeeded()) {
        std::string text;
        service.GetSysMsgInfo(reply.code, text);
        std::string utf8;
        reply.message = QString::fromStdString(CUtility().ConvertUTF8(text.c_str(), utf8)).trimmed();
    }
    return reply;
}
