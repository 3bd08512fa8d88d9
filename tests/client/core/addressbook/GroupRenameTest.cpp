#include "core/addressbook/GroupRename.h"

#include <gtest/gtest.h>

TEST(GroupRenameTest, anEmptyNameStaysTheSameNameClosesAnyOtherRenames)
{
    struct Row {
        const char* current;
        const char* typed;
        GroupRenameStep expected;
    };
    const Row rows[] = {
        { "同事", "", GroupRenameStep::StayOpen },
        { "同事", "同事", GroupRenameStep::Close },
        { "同事", "老同事", GroupRenameStep::Rename },
        // Compared as typed: the service decides what blanks around a name mean.
        { "同事", " 同事", GroupRenameStep::Rename },
        { "同事", " ", GroupRenameStep::Rename },
        { "Team", "team", GroupRenameStep::Rename },
        { "", "", GroupRenameStep::StayOpen },
        { "", "新组", GroupRenameStep::Rename },
    };
    for (const Row& row : rows)
        EXPECT_EQ(groupRenameStep(row.current, row.typed), row.expected) << row.current << " -> " << row.typed;
}
