#pragma once

#include "core/addressbook/ContactRecord.h"
#include "core/addressbook/GroupKind.h"
#include "core/service/ResultText.h"
#include "core/service/ServiceCall.h"

#include "cvsrv/CCvService.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

// The demo account's address book as the service holds it, read straight from the
// service the environment points at: what a test checks a window's change against.
namespace serviceBook {

inline const Credentials kDemo { "13800138000", "123456" };

inline std::vector<std::vector<std::string>> rowsOf(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string& row : ResultText::rows(text))
        rows.push_back(ResultText::fields(row));
    return rows;
}

// The stored contact with that phone number, if there is one.
inline std::optional<ContactRecord> contactByPhone(const std::string& phone)
{
    std::string text;
    int count = 0;
    CCvService().QueryClientAddress(kDemo.account.c_str(), kDemo.password.c_str(), text, count);
    for (const auto& fields : rowsOf(text)) {
        if (fields.size() < 8 || fields[3] != phone)
            continue;
        ContactRecord record;
        record.clientno = fields[0];
        record.addressno = ResultText::toInt(fields[1]);
        record.addressname = fields[2];
        record.phone = fields[3];
        record.sex = ResultText::toInt(fields[4]);
        record.email = fields[5];
        record.addressgroupid = ResultText::toInt(fields[6]);
        record.addressgroupname = fields[7];
        return record;
    }
    return std::nullopt;
}

inline int contactNumber(const std::string& phone)
{
    const std::optional<ContactRecord> contact = contactByPhone(phone);
    return contact ? contact->addressno : -1;
}

// The id of the group of kind with that name, or -1.
inline int groupId(GroupKind kind, const std::string& name)
{
    std::string text;
    int count = 0;
    if (kind == GroupKind::ContactGroup)
        CCvService().GetClientAddressGroup(kDemo.account.c_str(), kDemo.password.c_str(), text, count);
    else
        CCvService().GetConfGroup(kDemo.account.c_str(), kDemo.password.c_str(), text, count);
    for (const auto& fields : rowsOf(text)) {
        if (fields.size() > 1 && fields[1] == name)
            return ResultText::toInt(fields[0]);
    }
    return -1;
}

inline std::vector<int> membersOf(GroupKind kind, int id)
{
    std::string text;
    int count = 0;
    const std::string idText = std::to_string(id);
    if (kind == GroupKind::ContactGroup)
        CCvService().QueryClientAddressGroupMember(
            kDemo.account.c_str(), kDemo.password.c_str(), idText.c_str(), text, count);
    else
        CCvService().QueryClientConfGroupMember(
            kDemo.account.c_str(), kDemo.password.c_str(), idText.c_str(), text, count);
    std::vector<int> members;
    for (const auto& fields : rowsOf(text))
        members.push_back(ResultText::toInt(fields.at(0)));
    return members;
}

inline bool isMember(GroupKind kind, int id, int addressno)
{
    const std::vector<int> members = membersOf(kind, id);
    return std::find(members.begin(), members.end(), addressno) != members.end();
}

} // namespace serviceBook
