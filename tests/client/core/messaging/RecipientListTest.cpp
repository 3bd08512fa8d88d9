#include "core/messaging/RecipientList.h"

#include <gtest/gtest.h>

namespace {

TEST(RecipientList, AppendsWithOneCommaBetween)
{
    const QString three = QStringLiteral("13911110001,13911110002,13911110003,");
    EXPECT_EQ(recipientList::join(QStringLiteral("13800000000"), three),
        QStringLiteral("13800000000,13911110001,13911110002,13911110003,"));
    EXPECT_EQ(recipientList::join(QStringLiteral("13800000000,"), three),
        QStringLiteral("13800000000,13911110001,13911110002,13911110003,"));
    EXPECT_EQ(recipientList::join(QString(), three), three);
    // Duplicates are the service's business.
    EXPECT_EQ(recipientList::join(three, QStringLiteral("13911110001,")), three + QStringLiteral("13911110001,"));
}

TEST(RecipientList, ContactsGiveTheirPhonesEachWithAComma)
{
    ContactRecord a;
    a.phone = "13911110001";
    ContactRecord b;
    b.phone = "021-12345678";
    EXPECT_EQ(recipientList::fromContacts({ a, b }), QStringLiteral("13911110001,021-12345678,"));
    EXPECT_EQ(recipientList::fromContacts({}), QString());
}

TEST(RecipientList, CountsTheNumbersNotTheCommas)
{
    EXPECT_EQ(recipientList::count(QString()), 0);
    EXPECT_EQ(recipientList::count(QStringLiteral(",")), 0);
    EXPECT_EQ(recipientList::count(QStringLiteral("13911110001")), 1);
    EXPECT_EQ(recipientList::count(QStringLiteral("13911110001, 13911110002,,13911110003,")), 3);
}

} // namespace
