#pragma once

#include "core/addressbook/ContactRecord.h"
#include "core/addressbook/GroupKind.h"

#include <string>
#include <vector>

// One contact group or conference group, or one of the two pseudo-groups (id 0).
struct GroupEntry {
    int id = 0; // addressgroupid or confgroupid; 0 for a pseudo-group
    std::string name;
    int memberCount = 0; // as the service reported it, bounded by members.size()
    std::vector<ContactRecord> members; // service order
    GroupKind kind = GroupKind::ContactGroup;

    // Stores the members; a count above what arrived is cut so no view reads past them.
    void setMembers(std::vector<ContactRecord> newMembers, int reportedCount);
    // A reply without rows: the count drops, the previous members stay allocated.
    void setMemberCount(int reportedCount);
};
