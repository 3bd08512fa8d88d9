#pragma once

#include "core/addressbook/GroupKind.h"

#include <QStringList>

#include <vector>

class CCvService;
class ProgressReporter;
struct Credentials;

// What adding contacts to a group came to: how many the service took, and the text of
// each refusal, in the order the contacts were tried.
struct MemberAdditionReply {
    int added = 0;
    QStringList refusals;
};

// The picker's job: adds the contacts to one group, one service call each, in order.
// A refusal does not stop it; the next contact is still added. A cancel stops it
// before the next contact (the transfer under way stops too).
class MemberAdditions {
public:
    MemberAdditions(GroupKind kind, int groupId, std::vector<int> addressnos);

    MemberAdditionReply operator()(CCvService& service, const Credentials& who, ProgressReporter& progress) const;

private:
    GroupKind m_kind;
    int m_groupId;
    std::vector<int> m_addressnos;
};
