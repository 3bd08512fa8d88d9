#include "ServiceHarness.h"
#include "TempFolder.h"

#include "StatusCodes.h"
#include "store/Database.h"
#include "store/GroupRepository.h"
#include "store/Schema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <latch>
#include <thread>
#include <vector>

namespace cvservice::test {
namespace {

// The operations of one kind of group, as a client calls them.
struct GroupKindCalls {
    const char* name;
    GroupKind kind;
    int (CCvService::*change)(const char*, const char*, int, const char*, int, std::string&);
    int (CCvService::*list)(const char*, const char*, std::string&, int&);
};

const GroupKindCalls kBothKinds[] = {
    { "contact groups", GroupKind::Contact, &CCvService::ClientAddressGroup, &CCvService::GetClientAddressGroup },
    { "conference groups", GroupKind::Conference, &CCvService::ClientConfGroup, &CCvService::GetConfGroup },
};

int addGroup(const ServiceHarness& harness, const GroupKindCalls& calls, const char* user, const char* password,
    const char* name)
{
    CCvService client = harness.client();
    std::string result;
    if ((client.*calls.change)(user, password, 0, name, 0, result) != 0)
        return -1;
    return std::atoi(result.c_str());
}

std::vector<std::string> groupNames(
    const ServiceHarness& harness, const GroupKindCalls& calls, const char* user, const char* password)
{
    CCvService client = harness.client();
    std::string text;
    int rows = -1;
    EXPECT_EQ((client.*calls.list)(user, password, text, rows), 0);
    std::vector<std::string> names;
    for (const auto& row : rowsOf(text))
        names.push_back(row.size() > 1 ? row[1] : "(short row)");
    EXPECT_EQ(static_cast<std::size_t>(rows), names.size());
    return names;
}

// The window between the name check and the insert is narrow, so one race rarely
// hits it; many rounds make a lost check show up in nearly every run.
TEST(GroupNameUniquenessTest, TwentyClientsAddingOneNameAtOnceMakeOneGroup)
{
    constexpr int kClients = 20;
    constexpr int kRounds = 25;
    ServiceOptions options = ServiceHarness::defaults();
    options.threads = kClients + 4; // every request is served at the same time
    // The twenty calls are one identical request: the store, not the replay guard, is
    // what must keep them apart here.
    options.refuseRepeats = false;
    ServiceHarness harness(options);

    for (const GroupKindCalls& calls : kBothKinds) {
        std::vector<std::string> added;
        for (int round = 0; round < kRounds; ++round) {
            const std::string name = "并发组" + std::to_string(round);
            std::latch start(kClients);
            std::vector<int> statuses(kClients, -1);
            std::vector<std::thread> clients;
            for (int i = 0; i < kClients; ++i) {
                clients.emplace_back([&, i] {
                    start.arrive_and_wait();
                    statuses[static_cast<std::size_t>(i)]
                        = addGroup(harness, calls, kOtherUser, kOtherPassword, name.c_str());
                });
            }
            for (std::thread& client : clients)
                client.join();
            ASSERT_EQ(std::count(statuses.begin(), statuses.end(), kOk), 1) << calls.name << " " << name;
            ASSERT_EQ(std::count(statuses.begin(), statuses.end(), kGroupNameTaken), kClients - 1)
                << calls.name << " " << name;
            added.push_back(name);
        }
        EXPECT_EQ(groupNames(harness, calls, kOtherUser, kOtherPassword), added) << calls.name;
        // No transaction was left open by the refusals: the store takes the next change.
        EXPECT_EQ(addGroup(harness, calls, kOtherUser, kOtherPassword, "之后"), kOk) << calls.name;
        EXPECT_EQ(groupNames(harness, calls, kOtherUser, kOtherPassword).size(), added.size() + 1) << calls.name;
    }
}

// A store written by the first schema, whose group names nothing but the operations'
// checks kept apart, holding the duplicates those checks should have refused.
constexpr const char* kOwner = "13700137000";
constexpr const char* kOwnerPassword = "old-store";
constexpr const char* kNeighbour = "13700137001";
constexpr const char* kOldStore = R"sql(
INSERT INTO accounts (regphoneid, password, clientno) VALUES
    ('13700137000', 'old-store', 1), ('13700137001', 'next-door', 2);
INSERT INTO contacts (addressno, regphoneid, addressname, phone) VALUES (1, '13700137000', '甲', '13600000001');
INSERT INTO contact_groups (groupid, regphoneid, name) VALUES
    (1, '13700137000', '同事'), (2, '13700137000', '同事'), (3, '13700137000', '同事(2)'), (4, '13700137000', '同事');
INSERT INTO contact_group_members (groupid, addressno) VALUES (2, 1);
INSERT INTO conf_groups (groupid, regphoneid, name) VALUES (1, '13700137000', '周会'), (2, '13700137000', '周会');
INSERT INTO conf_group_members (groupid, addressno) VALUES (2, 1);
)sql";

TEST(GroupNameUniquenessTest, AnOldStoreIsMigratedAndKeepsEveryGroupUnderItsOwnName)
{
    TempFolder folder;
    const std::string path = folder.file("old.db");
    {
        Database db(path);
        Schema::migrate(db, 1);
        db.exec(kOldStore);
    }
    {
        ServiceOptions options = ServiceHarness::defaults();
        options.dbPath = path;
        options.demo = false;
        ServiceHarness harness(options);

        // The oldest keeps the name; the others take the first free "name(n)".
        EXPECT_EQ(groupNames(harness, kBothKinds[0], kOwner, kOwnerPassword),
            (std::vector<std::string> { "同事", "同事(3)", "同事(2)", "同事(4)" }));
        EXPECT_EQ(groupNames(harness, kBothKinds[1], kOwner, kOwnerPassword),
            (std::vector<std::string> { "周会", "周会(2)" }));
        std::string text;
        int rows = 0;
        ASSERT_EQ(harness.client().QueryClientAddressGroupMember(kOwner, kOwnerPassword, "2", text, rows), 0);
        EXPECT_EQ(rows, 1) << "a renamed group keeps its members";
        ASSERT_EQ(harness.client().QueryClientConfGroupMember(kOwner, kOwnerPassword, "2", text, rows), 0);
        EXPECT_EQ(rows, 1);
        EXPECT_EQ(addGroup(harness, kBothKinds[0], kOwner, kOwnerPassword, "同事(3)"), kGroupNameTaken);
        EXPECT_EQ(addGroup(harness, kBothKinds[1], kOwner, kOwnerPassword, "周会(2)"), kGroupNameTaken);
    }
    // Below the operations' checks, the store itself now refuses a second name.
    Database db(path);
    EXPECT_EQ(Schema::version(db), Schema::kCurrentVersion);
    for (const GroupKindCalls& calls : kBothKinds) {
        GroupRepository groups(db, calls.kind);
        const std::string taken = groups.list(kOwner).at(0).name;
        EXPECT_FALSE(groups.add(kOwner, taken)) << calls.name;
        EXPECT_FALSE(groups.rename(kOwner, 2, taken)) << calls.name;
        EXPECT_TRUE(groups.add(kNeighbour, taken)) << calls.name << ": names are unique per account only";
    }
}

} // namespace
} // namespace cvservice::test
