#include "ServiceHarness.h"

#include "StatusCodes.h"
#include "operations/AddressBookOperations.h"

#include <gtest/gtest.h>

namespace cvservice::test {
namespace {

// The other demo account starts with an empty address book, so every count here
// is the test's own.
class AddressBookOperationsTest : public ::testing::Test {
protected:
    int contact(int addressNo, const char* name, const char* phone, int flag, const char* email = "")
    {
        std::string result;
        EXPECT_EQ(harness.client().ClientAddressNew(
                      kOtherUser, kOtherPassword, addressNo, 1, name, phone, email, flag, result),
            0);
        return std::atoi(result.c_str());
    }

    std::vector<std::vector<std::string>> contacts()
    {
        std::string text;
        int rows = -1;
        EXPECT_EQ(harness.client().QueryClientAddress(kOtherUser, kOtherPassword, text, rows), 0);
        auto out = rowsOf(text);
        EXPECT_EQ(static_cast<std::size_t>(rows), out.size());
        return out;
    }

    int group(bool conference, int id, const char* name, int flag)
    {
        std::string result;
        CCvService client = harness.client();
        if (conference)
            EXPECT_EQ(client.ClientConfGroup(kOtherUser, kOtherPassword, id, name, flag, result), 0);
        else
            EXPECT_EQ(client.ClientAddressGroup(kOtherUser, kOtherPassword, id, name, flag, result), 0);
        return std::atoi(result.c_str());
    }

    std::vector<std::vector<std::string>> groups(bool conference)
    {
        std::string text;
        int rows = -1;
        CCvService client = harness.client();
        if (conference)
            EXPECT_EQ(client.GetConfGroup(kOtherUser, kOtherPassword, text, rows), 0);
        else
            EXPECT_EQ(client.GetClientAddressGroup(kOtherUser, kOtherPassword, text, rows), 0);
        return rowsOf(text);
    }

    int member(bool conference, int groupId, int addressNo, int flag)
    {
        std::string result;
        CCvService client = harness.client();
        if (conference)
            EXPECT_EQ(client.ClientConfGroupMemberNew(kOtherUser, kOtherPassword, groupId, addressNo, flag, result), 0);
        else
            EXPECT_EQ(
                client.ClientAddressGroupMemberNew(kOtherUser, kOtherPassword, groupId, addressNo, flag, result), 0);
        return std::atoi(result.c_str());
    }

    std::vector<std::vector<std::string>> members(bool conference, const std::string& groupId)
    {
        std::string text;
        int rows = -1;
        CCvService client = harness.client();
        if (conference)
            EXPECT_EQ(client.QueryClientConfGroupMember(kOtherUser, kOtherPassword, groupId.c_str(), text, rows), 0);
        else
            EXPECT_EQ(client.QueryClientAddressGroupMember(kOtherUser, kOtherPassword, groupId.c_str(), text, rows), 0);
        return rowsOf(text);
    }

    std::vector<std::vector<std::string>> ungrouped(bool conference)
    {
        std::string text;
        int rows = -1;
        CCvService client = harness.client();
        if (conference)
            EXPECT_EQ(client.QueryNotConfGroupMember(kOtherUser, kOtherPassword, text, rows), 0);
        else
            EXPECT_EQ(client.QueryNotAddressGroupMember(kOtherUser, kOtherPassword, text, rows), 0);
        return rowsOf(text);
    }

    // Sends the same call twice on purpose, to see what the operation makes of it.
    static ServiceOptions repeatable()
    {
        ServiceOptions options = ServiceHarness::defaults();
        options.refuseRepeats = false;
        return options;
    }

    ServiceHarness harness { repeatable() };
};

TEST_F(AddressBookOperationsTest, ContactsAreAddedChangedAndDeleted)
{
    EXPECT_EQ(contact(0, "王五", "13612345678", 0, "w@example.com"), kOk);
    EXPECT_EQ(contact(0, "A&B <公司>", "02088886666", 0), kOk);
    auto rows = contacts();
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(rows[0].size(), 8u);
    EXPECT_EQ(rows[0][2], "王五");
    EXPECT_EQ(rows[0][3], "13612345678");
    EXPECT_EQ(rows[0][5], "w@example.com");
    EXPECT_EQ(rows[0][6], "0") << "not in a contact group";
    EXPECT_EQ(rows[1][2], "A&B <公司>");
    const int first = std::atoi(rows[0][1].c_str());

    EXPECT_EQ(contact(first, "王五一", "13612345679", 1), kOk);
    rows = contacts();
    EXPECT_EQ(rows[0][2], "王五一");
    EXPECT_EQ(rows[0][3], "13612345679");

    EXPECT_EQ(contact(first, "", "", 2), kOk);
    rows = contacts();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][2], "A&B <公司>");
}

TEST_F(AddressBookOperationsTest, ContactRefusals)
{
    EXPECT_EQ(contact(0, "", "13612345678", 0), kBadContact);
    EXPECT_EQ(contact(0, "无号码", "", 0), kBadContact);
    EXPECT_EQ(contact(0, "坏号码", "1361234abcd", 0), kBadContact);
    EXPECT_EQ(contact(0, "标志", "13612345678", 5), kUnknownOperationFlag);
    EXPECT_EQ(contact(99999, "不存在", "13612345678", 1), kNoSuchContact);
    EXPECT_EQ(contact(99999, "", "", 2), kNoSuchContact);
    EXPECT_EQ(contact(1, "", "", 2), kNoSuchContact) << "contact 1 belongs to the other account";
    EXPECT_TRUE(contacts().empty());
}

TEST_F(AddressBookOperationsTest, ContactLimitsAtTheirEdges)
{
    std::string name;
    for (std::size_t i = 0; i < AddressBookOperations::kMaxNameLength; ++i)
        name += "名"; // characters count, not bytes
    const std::string email = std::string(AddressBookOperations::kMaxEmailLength - 12, 'e') + "@example.com";
    EXPECT_EQ(contact(0, name.c_str(), "13612345678", 0, email.c_str()), kOk);
    EXPECT_EQ(contact(0, (name + "a").c_str(), "13612345678", 0), kBadContact);
    EXPECT_EQ(contact(0, "甲", "13612345678", 0, ("e" + email).c_str()), kBadContact);
    const auto rows = contacts();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][2], name);
    EXPECT_EQ(rows[0][5], email);
}

TEST_F(AddressBookOperationsTest, GroupLimitsAtTheirEdges)
{
    std::string longest;
    for (std::size_t i = 0; i < AddressBookOperations::kMaxNameLength; ++i)
        longest += "组";
    for (const bool conference : { false, true }) {
        EXPECT_EQ(group(conference, 0, (longest + "a").c_str(), 0), kBadGroupName) << conference;
        ASSERT_EQ(group(conference, 0, longest.c_str(), 0), kOk) << conference;
        const int first = std::atoi(groups(conference).at(0).at(0).c_str());
        EXPECT_EQ(group(conference, first, (longest + "a").c_str(), 1), kBadGroupName) << "a rename too";

        for (int i = 1; i < AddressBookOperations::kMaxGroups; ++i)
            ASSERT_EQ(group(conference, 0, ("组" + std::to_string(i)).c_str(), 0), kOk) << conference << " " << i;
        EXPECT_EQ(group(conference, 0, "一个太多", 0), kTooManyGroups) << conference;
        EXPECT_EQ(groups(conference).size(), static_cast<std::size_t>(AddressBookOperations::kMaxGroups));
        EXPECT_EQ(group(conference, first, "改名", 1), kOk) << "a full account may still rename";

        // A deleted group frees its place.
        ASSERT_EQ(group(conference, first, "", 2), kOk);
        EXPECT_EQ(group(conference, 0, "一个太多", 0), kOk) << conference;
    }
}

TEST_F(AddressBookOperationsTest, ContactGroupsHoldEachContactOnce)
{
    ASSERT_EQ(contact(0, "甲", "13600000001", 0), kOk);
    ASSERT_EQ(contact(0, "乙", "13600000002", 0), kOk);
    const auto all = contacts();
    const int a = std::atoi(all[0][1].c_str());
    const int b = std::atoi(all[1][1].c_str());

    ASSERT_EQ(group(false, 0, "同事", 0), kOk);
    ASSERT_EQ(group(false, 0, "朋友", 0), kOk);
    EXPECT_EQ(group(false, 0, "同事", 0), kGroupNameTaken);
    EXPECT_EQ(group(false, 0, "  ", 0), kBadGroupName);
    auto list = groups(false);
    ASSERT_EQ(list.size(), 2u);
    const int colleagues = std::atoi(list[0][0].c_str());
    const int friends = std::atoi(list[1][0].c_str());

    EXPECT_EQ(member(false, colleagues, a, 0), kOk);
    EXPECT_EQ(member(false, colleagues, a, 0), kAlreadyInGroup);
    EXPECT_EQ(member(false, friends, a, 0), kInOtherContactGroup);
    EXPECT_EQ(member(false, friends, 99999, 0), kNoSuchContact);
    EXPECT_EQ(member(false, 99999, a, 0), kNoSuchGroup);
    EXPECT_EQ(member(false, friends, b, 2), kNotInGroup);

    auto in = members(false, list[0][0]);
    ASSERT_EQ(in.size(), 1u);
    EXPECT_EQ(in[0], (std::vector<std::string> { std::to_string(a), "甲", "13600000001" }));
    auto outside = ungrouped(false);
    ASSERT_EQ(outside.size(), 1u);
    EXPECT_EQ(outside[0][1], "乙");
    EXPECT_EQ(contacts()[0][7], "同事") << "the contact list names the contact's group";

    // A move is a removal and an addition.
    EXPECT_EQ(member(false, colleagues, a, 2), kOk);
    EXPECT_EQ(member(false, friends, a, 0), kOk);
    EXPECT_TRUE(members(false, list[0][0]).empty());
    EXPECT_EQ(members(false, list[1][0]).size(), 1u);

    EXPECT_EQ(group(false, friends, "好友", 1), kOk);
    EXPECT_EQ(group(false, friends, "同事", 1), kGroupNameTaken);
    EXPECT_EQ(groups(false)[1][1], "好友");

    // Deleting a group leaves its contacts ungrouped, not deleted.
    EXPECT_EQ(group(false, friends, "好友", 2), kOk);
    EXPECT_EQ(group(false, friends, "好友", 2), kNoSuchGroup);
    EXPECT_EQ(ungrouped(false).size(), 2u);
    EXPECT_EQ(contacts().size(), 2u);
}

TEST_F(AddressBookOperationsTest, ConferenceGroupsShareContacts)
{
    ASSERT_EQ(contact(0, "甲", "13600000001", 0), kOk);
    ASSERT_EQ(contact(0, "乙", "13600000002", 0), kOk);
    const auto all = contacts();
    const int a = std::atoi(all[0][1].c_str());

    ASSERT_EQ(group(true, 0, "周会", 0), kOk);
    ASSERT_EQ(group(true, 0, "月会", 0), kOk);
    const auto list = groups(true);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(member(true, std::atoi(list[0][0].c_str()), a, 0), kOk);
    EXPECT_EQ(member(true, std::atoi(list[1][0].c_str()), a, 0), kOk) << "any number of conference groups";
    EXPECT_EQ(members(true, list[1][0]).size(), 1u);
    EXPECT_EQ(ungrouped(true).size(), 1u);
    EXPECT_EQ(ungrouped(false).size(), 2u) << "conference groups do not group contacts";

    // Group ids arrive as text: anything but a number of the caller's own group is refused.
    for (const char* id : { "", "abc", "1 OR 1=1", "99999" })
        EXPECT_TRUE(members(true, id).empty()) << id;

    // Deleting a contact takes it out of every group.
    ASSERT_EQ(contact(a, "", "", 2), kOk);
    EXPECT_TRUE(members(true, list[0][0]).empty());
    EXPECT_TRUE(members(true, list[1][0]).empty());
}

TEST_F(AddressBookOperationsTest, TheDemoAddressBook)
{
    std::string text;
    int rows = 0;
    ASSERT_EQ(harness.client().QueryClientAddress(kUser, kPassword, text, rows), 0);
    EXPECT_EQ(rows, 40);
    ASSERT_EQ(harness.client().GetClientAddressGroup(kUser, kPassword, text, rows), 0);
    EXPECT_EQ(rows, 3);
    ASSERT_EQ(harness.client().GetConfGroup(kUser, kPassword, text, rows), 0);
    EXPECT_EQ(rows, 2);
    ASSERT_EQ(harness.client().QueryNotAddressGroupMember(kUser, kPassword, text, rows), 0);
    EXPECT_EQ(rows, 10);
}

} // namespace
} // namespace cvservice::test
