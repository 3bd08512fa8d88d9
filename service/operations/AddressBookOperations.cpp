#include "operations/AddressBookOperations.h"

#include "OperationTable.h"
#include "PhoneNumber.h"
#include "ServiceContext.h"
#include "SoapReply.h"
#include "StatusCodes.h"
#include "Utf8Text.h"
#include "store/AccountRepository.h"
#include "store/ContactRepository.h"
#include "store/Database.h"

#include <charconv>

namespace cvservice {

namespace {

enum Flag { kAdd = 0, kModify = 1, kDelete = 2 };

std::vector<std::string> memberColumns()
{
    return { "addressno", "addressname", "phone" };
}

std::optional<std::int64_t> parseId(const std::string& text)
{
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

AddressBookOperations::AddressBookOperations(ServiceContext& context)
    : m_context(context)
{
}

void AddressBookOperations::install(OperationTable& table)
{
    const SigningSpec camel = camelCaseSigning();
    const SigningSpec lower = lowerCaseSigning();
    const std::vector<ParamSpec> camelPlain { T("regphoneId"), T("userId"), T("timeStamp"), T("hashCode") };
    const std::vector<ParamSpec> groupChange { I("ingroupid"), T("ingroupname"), T("inuserid"), I("inoprflag"),
        T("inregphoneid"), T("timeticks"), T("strMD5Client") };
    const std::vector<ParamSpec> groupList { T("inregphoneid"), T("timeticks"), T("strMD5Client") };
    const std::vector<ParamSpec> memberQuery { T("regphoneId"), T("groupId"), T("userId"), T("timeStamp"),
        T("hashCode") };
    const std::vector<ParamSpec> memberChange { T("regphoneId"), I("groupId"), I("addressNo"), T("userId"),
        I("oprFlag"), T("timeStamp"), T("hashCode") };
    GroupRepository& contactGroups = m_context.contactGroups;
    GroupRepository& confGroups = m_context.confGroups;

    table.add({ "ClientAddressNew",
        { T("regphoneId"), I("addressNo"), I("sex"), T("addressName"), T("phone"), T("email"), T("userId"),
            I("oprFlag"), T("timeStamp"), T("hashCode") },
        camel, [this](const SoapRequest& r) { return changeContact(r); } });
    table.add({ "QueryClientAddress", camelPlain, camel, [this](const SoapRequest& r) { return contacts(r); } });

    table.add({ "ClientAddressGroup", groupChange, lower,
        [this, &contactGroups](const SoapRequest& r) { return changeGroup(r, contactGroups); } });
    table.add({ "GetClientAddressGroup", groupList, lower, [this, &contactGroups](const SoapRequest& r) {
                   return groups(r, contactGroups, "addressgroupid", "addressgroupname");
               } });
    table.add({ "QueryClientAddressGroupMember", memberQuery, camel,
        [this, &contactGroups](const SoapRequest& r) { return members(r, contactGroups); } });
    table.add({ "ClientAddressGroupMemberNew", memberChange, camel,
        [this, &contactGroups](const SoapRequest& r) { return changeMember(r, contactGroups, GroupKind::Contact); } });
    table.add({ "QueryNotAddressGroupMember", camelPlain, camel,
        [this, &contactGroups](const SoapRequest& r) { return notInAny(r, contactGroups); } });

    table.add({ "ClientConfGroup", groupChange, lower,
        [this, &confGroups](const SoapRequest& r) { return changeGroup(r, confGroups); } });
    table.add({ "GetConfGroup", groupList, lower,
        [this, &confGroups](const SoapRequest& r) { return groups(r, confGroups, "confgroupid", "confgroupname"); } });
    table.add({ "QueryClientConfGroupMember", memberQuery, camel,
        [this, &confGroups](const SoapRequest& r) { return members(r, confGroups); } });
    table.add({ "ClientConfGroupMemberNew", memberChange, camel,
        [this, &confGroups](const SoapRequest& r) { return changeMember(r, confGroups, GroupKind::Conference); } });
    table.add({ "QueryNotConfGroupMember", camelPlain, camel,
        [this, &confGroups](const SoapRequest& r) { return notInAny(r, confGroups); } });
}

std::string AddressBookOperations::changeContact(const SoapRequest& request)
{
    auto reply = [&](int status) { return SoapReply::result(request.operation, status); };
    const int flag = request.number("oprFlag");
    Contact contact;
    contact.owner = request.regphoneid;
    contact.addressno = request.number("addressNo");
    contact.name = utf8text::trim(request.text("addressName"));
    contact.phone = utf8text::trim(request.text("phone"));
    contact.sex = request.number("sex");
    contact.email = utf8text::trim(request.text("email"));

    if (flag != kAdd && flag != kModify && flag != kDelete)
        return reply(kUnknownOperationFlag);
    if (flag != kAdd && !m_context.contacts.find(contact.owner, contact.addressno))
        return reply(kNoSuchContact);
    if (flag == kDelete) {
        m_context.contacts.remove(contact.owner, contact.addressno);
        return reply(kOk);
    }
    if (contact.name.empty() || utf8text::length(contact.name) > kMaxNameLength || !phone::isDialable(contact.phone)
        || contact.email.size() > kMaxEmailLength || contact.sex < 0 || contact.sex > 2)
        return reply(kBadContact);
    if (flag == kAdd)
        m_context.contacts.add(contact);
    else
        m_context.contacts.update(contact);
    return reply(kOk);
}

std::string AddressBookOperations::contacts(const SoapRequest& request)
{
    DataSetWriter rows(request.operation, "Table",
        { "clientno", "addressno", "addressname", "phone", "sex", "email", "addressgroupid", "addressgroupname" });
    const auto account = m_context.accounts.find(request.regphoneid);
    const std::string clientno = account ? std::to_string(account->clientno) : std::string();
    for (const Contact& c : m_context.contacts.list(request.regphoneid))
        rows.add({ clientno, std::to_string(c.addressno), c.name, c.phone, std::to_string(c.sex), c.email,
            std::to_string(c.groupid), c.groupname });
    return rows.finish();
}

std::string AddressBookOperations::changeGroup(const SoapRequest& request, GroupRepository& groups)
{
    auto reply = [&](int status) { return SoapReply::result(request.operation, status); };
    const int flag = request.number("inoprflag");
    const std::int64_t id = request.number("ingroupid");
    const std::string name = utf8text::trim(request.text("ingroupname"));
    const std::string& owner = request.regphoneid;
    if (flag != kAdd && flag != kModify && flag != kDelete)
        return reply(kUnknownOperationFlag);

    Transaction transaction(m_context.db);
    if (flag != kAdd && !groups.find(owner, id))
        return reply(kNoSuchGroup);
    if (flag == kDelete) {
        groups.remove(owner, id);
        transaction.commit();
        return reply(kOk);
    }
    if (name.empty() || utf8text::length(name) > kMaxNameLength)
        return reply(kBadGroupName);
    if (groups.nameTaken(owner, name, flag == kAdd ? 0 : id))
        return reply(kGroupNameTaken);
    if (flag == kAdd) {
        if (groups.count(owner) >= kMaxGroups)
            return reply(kTooManyGroups);
        if (!groups.add(owner, name))
            return reply(kGroupNameTaken);
    } else if (!groups.rename(owner, id, name)) {
        return reply(kGroupNameTaken);
    }
    transaction.commit();
    return reply(kOk);
}

std::string AddressBookOperations::groups(
    const SoapRequest& request, GroupRepository& groups, const char* idColumn, const char* nameColumn)
{
    DataSetWriter rows(request.operation, "ds", { idColumn, nameColumn });
    for (const Group& g : groups.list(request.regphoneid))
        rows.add({ std::to_string(g.id), g.name });
    return rows.finish();
}

std::string AddressBookOperations::members(const SoapRequest& request, GroupRepository& groups)
{
    const auto id = parseId(utf8text::trim(request.text("groupId")));
    if (!id || !groups.find(request.regphoneid, *id))
        return SoapReply::result(request.operation, kNoSuchGroup);
    DataSetWriter rows(request.operation, "Table", memberColumns());
    for (const Contact& c : groups.members(*id))
        rows.add({ std::to_string(c.addressno), c.name, c.phone });
    return rows.finish();
}

std::string AddressBookOperations::changeMember(const SoapRequest& request, GroupRepository& groups, GroupKind kind)
{
    auto reply = [&](int status) { return SoapReply::result(request.operation, status); };
    const int flag = request.number("oprFlag");
    const std::int64_t id = request.number("groupId");
    const std::int64_t addressno = request.number("addressNo");
    if (flag != kAdd && flag != kDelete)
        return reply(kUnknownOperationFlag);

    Transaction transaction(m_context.db);
    if (!groups.find(request.regphoneid, id))
        return reply(kNoSuchGroup);
    if (!m_context.contacts.find(request.regphoneid, addressno))
        return reply(kNoSuchContact);
    const bool member = groups.isMember(id, addressno);
    if (flag == kDelete) {
        if (!member)
            return reply(kNotInGroup);
        groups.removeMember(id, addressno);
    } else {
        if (member)
            return reply(kAlreadyInGroup);
        if (kind == GroupKind::Contact && groups.inAnyGroup(addressno))
            return reply(kInOtherContactGroup);
        groups.addMember(id, addressno);
    }
    transaction.commit();
    return reply(kOk);
}

std::string AddressBookOperations::notInAny(const SoapRequest& request, GroupRepository& groups)
{
    DataSetWriter rows(request.operation, "Table", memberColumns());
    for (const Contact& c : groups.notInAny(request.regphoneid))
        rows.add({ std::to_string(c.addressno), c.name, c.phone });
    return rows.finish();
}

} // namespace cvservice
