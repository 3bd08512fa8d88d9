#include "core/conference/RosterRows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

RosterRow row(const std::string& phone)
{
    return { 0, "n" + phone, phone, {}, {} };
}

// The index must follow every removal, and a reused slot must not keep an old phone.
TEST(RosterRows, IndexFollowsRemovalsAndReusedSlots)
{
    RosterRows rows;
    for (const char* phone : { "1", "2", "3", "4", "5" })
        rows.append(row(phone));
    rows.remove(1);
    rows.remove(0);
    EXPECT_EQ(rows.rowOf("1"), -1);
    EXPECT_EQ(rows.rowOf("2"), -1);
    EXPECT_EQ(rows.rowOf("3"), 0);
    EXPECT_EQ(rows.rowOf("5"), 2);

    EXPECT_EQ(rows.append(row("6")), 3);
    EXPECT_EQ(rows.append(row("7")), 4);
    EXPECT_EQ(rows.append(row("8")), 5);
    rows.remove(2);
    const char* expected[] = { "3", "4", "6", "7", "8" };
    ASSERT_EQ(rows.count(), 5);
    for (int r = 0; r < rows.count(); ++r) {
        EXPECT_EQ(rows.at(r).phone, expected[r]);
        EXPECT_EQ(rows.rowOf(expected[r]), r);
    }
    EXPECT_EQ(rows.rowOf("5"), -1);

    rows.clear();
    EXPECT_EQ(rows.rowOf("3"), -1);
    EXPECT_EQ(rows.append(row("3")), 0);
}

} // namespace
