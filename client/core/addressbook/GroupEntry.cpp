#include "core/addressbook/GroupEntry.h"

#include <algorithm>

void GroupEntry::setMembers(std::vector<ContactRecord> newMembers, int reportedCount)
{
    members = std::move(newMembers);
    setMemberCount(reportedCount);
}

void GroupEntry::setMemberCount(int reportedCount)
{
    memberCount = std::clamp(reportedCount, 0, static_cast<int>(members.size()));
}
