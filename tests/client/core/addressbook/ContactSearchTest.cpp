#include "core/addressbook/ContactSearch.h"
#include "core/addressbook/AddressBook.h"

#include <gtest/gtest.h>

namespace {

ContactRecord member(int addressno, std::string name, std::string phone)
{
    ContactRecord record;
    record.addressno = addressno;
    record.addressname = std::move(name);
    record.phone = std::move(phone);
    return record;
}

} // namespace

TEST(ContactSearch, WalksTheContactGroupsThenTheUngroupedInOrder)
{
    AddressBook book;
    book.setGroupCount(PanelMode::ContactGroups, 2);
    book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ member(1, "张三", "1370001"), member(2, "Li", "139") }, 2);
    // Only the members in use count: the third one is beyond the reported count.
    book.groupSlot(PanelMode::ContactGroups, 1).setMembers({ member(3, "张四", "1380"), member(4, "张五", "1") }, 1);
    book.ungrouped().setMembers({ member(5, "王张", "1370002") }, 1);
    book.setGroupCount(PanelMode::ConferenceGroups, 1);
    book.groupSlot(PanelMode::ConferenceGroups, 0).setMembers({ member(6, "张会", "137") }, 1);

    const std::vector<SearchHit> byName = searchContacts(book, "张");
    ASSERT_EQ(byName.size(), 3u);
    EXPECT_EQ(byName[0], (SearchHit { 1, "张三", "1370001" }));
    EXPECT_EQ(byName[1].addressno, 3);
    EXPECT_EQ(byName[2].addressno, 5);

    const std::vector<SearchHit> byPhone = searchContacts(book, "137");
    ASSERT_EQ(byPhone.size(), 2u);
    EXPECT_EQ(byPhone[1].addressno, 5);

    // A plain, case-sensitive substring.
    EXPECT_TRUE(searchContacts(book, "li").empty());
    EXPECT_EQ(searchContacts(book, "Li").size(), 1u);
    EXPECT_TRUE(searchContacts(book, "无此人").empty());
}
