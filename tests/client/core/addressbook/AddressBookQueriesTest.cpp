#include "core/addressbook/AddressBookQueries.h"

#include "core/addressbook/AddressBook.h"

#include <gtest/gtest.h>

namespace {

constexpr int kFailed = -1;

// Result text as the library hands it out: every field followed by CR, rows joined by LF.
std::string resultText(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        if (!text.empty())
            text += '\n';
        for (const std::string& field : row)
            text += field + '\r';
    }
    return text;
}

std::string memberRows(int first, int count)
{
    std::vector<std::vector<std::string>> rows;
    for (int i = first; i < first + count; ++i)
        rows.push_back({ std::to_string(i), "m" + std::to_string(i), "1380000" + std::to_string(i) });
    return resultText(rows);
}

std::string groupRows(int count)
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({ std::to_string(i), "g" + std::to_string(i) });
    return resultText(rows);
}

// A book as a previous load left it: three contacts, two groups of each kind, two ungrouped.
AddressBook loadedBook()
{
    AddressBook book;
    storeContacts(book, contactList(0, 3, resultText({ { "c", "1", "a" }, { "c", "2", "b" }, { "c", "3", "c" } })));
    for (PanelMode mode : { PanelMode::ContactGroups, PanelMode::ConferenceGroups }) {
        GroupsReply groups
            = groupList(0, 2, groupRows(2), [](const std::string&) { return memberList(0, 2, memberRows(1, 2)); });
        groups.ungrouped = memberList(0, 2, memberRows(3, 2));
        storeGroups(book, mode, std::move(groups));
    }
    return book;
}

} // namespace

TEST(AddressBookQueries, ContactRowsFillTheirColumnsAndShortRowsStayNew)
{
    const std::vector<ContactRecord> contacts = decodeContacts(
        resultText({ { "c1", "7", "张三 ", "13800138000", "2", "z@x.cn", "4", "家人" }, { "c1", "x8", "李四" } }), 10);
    ASSERT_EQ(contacts.size(), 2u);
    EXPECT_EQ(contacts[0].clientno, "c1");
    EXPECT_EQ(contacts[0].addressno, 7);
    EXPECT_EQ(contacts[0].addressname, "张三"); // the service pads texts with blanks
    EXPECT_EQ(contacts[0].phone, "13800138000");
    EXPECT_EQ(contacts[0].sex, 2);
    EXPECT_EQ(contacts[0].email, "z@x.cn");
    EXPECT_EQ(contacts[0].addressgroupid, 4);
    EXPECT_EQ(contacts[0].addressgroupname, "家人");

    ContactRecord expected;
    expected.clientno = "c1";
    expected.addressname = "李四"; // "x8" reads as 0; the missing columns keep a new record's values
    EXPECT_EQ(contacts[1], expected);

    const std::vector<ContactRecord> members = decodeMembers(resultText({ { "5" }, { "6", "王五", "139" } }), 10);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].addressno, 5);
    EXPECT_TRUE(members[0].addressname.empty() && members[0].phone.empty());
    EXPECT_EQ(members[1].phone, "139");
}

TEST(AddressBookQueries, TheCountIsBoundedByTheRowsThatArrived)
{
    const std::string threeRows = memberRows(1, 3);
    EXPECT_EQ(memberList(0, 2, threeRows).records->size(), 2u); // fewer reported than sent
    EXPECT_EQ(memberList(0, 2, threeRows).count, 2);
    EXPECT_EQ(memberList(0, 9, threeRows).count, 3); // more reported than sent
    EXPECT_EQ(memberList(0, 9, threeRows + "\n").count, 3); // a closing LF starts no row
    EXPECT_EQ(memberList(0, 9, "\n" + threeRows).count, 4); // an empty row is a row, as the library cuts it

    // An answer that reports contacts but carries no text has none.
    AddressBook book = loadedBook();
    const RecordList empty = contactList(0, 3, "");
    EXPECT_TRUE(empty.answered);
    EXPECT_EQ(empty.count, 0);
    storeContacts(book, empty);
    EXPECT_EQ(book.contactCount(), 0);

    // A failed exchange leaves the count and the records as they were.
    book = loadedBook();
    storeContacts(book, contactList(kFailed, 0, ""));
    EXPECT_EQ(book.contactCount(), 3);
    storeGroups(book, PanelMode::ContactGroups, groupList(kFailed, 0, "", {}));
    EXPECT_EQ(book.groupCount(PanelMode::ContactGroups), 2);
    EXPECT_EQ(book.ungrouped().memberCount, 2); // its own exchange was not made either

    GroupsReply noUngrouped = groupList(0, 2, groupRows(2), [](const std::string&) { return memberList(0, 0, ""); });
    noUngrouped.ungrouped = memberList(0, 4, "");
    storeGroups(book, PanelMode::ContactGroups, std::move(noUngrouped));
    EXPECT_EQ(book.ungrouped().memberCount, 0);
    EXPECT_EQ(book.groupSlot(PanelMode::ContactGroups, 0).memberCount, 0);
}

TEST(AddressBookQueries, GroupsAreKeptUpToTheTableAndAskedForOnlyThen)
{
    std::vector<std::string> asked;
    auto membersOf = [&asked](const std::string& id) {
        asked.push_back(id);
        return memberList(0, 1, memberRows(std::stoi(id), 1));
    };

    const GroupsReply many = groupList(0, 150, groupRows(150), membersOf);
    ASSERT_EQ(many.groups.size(), std::size_t(AddressBook::kMaxGroups));
    EXPECT_EQ(asked.size(), std::size_t(AddressBook::kMaxGroups));
    EXPECT_EQ(asked.back(), "100");
    EXPECT_EQ(many.groups.back().name, "g100");

    asked.clear();
    EXPECT_EQ(groupList(0, 2, groupRows(5), membersOf).groups.size(), 2u);
    EXPECT_EQ(asked.size(), 2u);
    asked.clear();
    AddressBook book = loadedBook();
    storeGroups(book, PanelMode::ConferenceGroups, groupList(0, 6, groupRows(1), membersOf));
    EXPECT_EQ(book.groupCount(PanelMode::ConferenceGroups), 1); // no stale slot comes into view
    EXPECT_EQ(book.groupSlot(PanelMode::ConferenceGroups, 0).kind, GroupKind::ConferenceGroup);

    storeGroups(book, PanelMode::ConferenceGroups, groupList(0, 3, "", membersOf));
    EXPECT_EQ(book.groupCount(PanelMode::ConferenceGroups), 0);
    EXPECT_TRUE(asked.size() == 1u);
}

TEST(AddressBookQueries, AGroupWhoseMembersGotNoAnswerShowsNone)
{
    AddressBook book = loadedBook();
    ASSERT_EQ(book.groupSlot(PanelMode::ContactGroups, 1).memberCount, 2);
    GroupsReply reply = groupList(0, 2, resultText({ { "8", "新组" }, { "9", "旧组" } }), [](const std::string& id) {
        return id == "9" ? memberList(kFailed, 0, "") : memberList(0, 1, memberRows(1, 1));
    });
    storeGroups(book, PanelMode::ContactGroups, std::move(reply));
    const GroupEntry& second = book.groupSlot(PanelMode::ContactGroups, 1);
    EXPECT_EQ(second.id, 9);
    EXPECT_EQ(second.memberCount, 0); // not the members of the group that stood here before
    EXPECT_EQ(book.groupSlot(PanelMode::ContactGroups, 0).memberCount, 1);
}
