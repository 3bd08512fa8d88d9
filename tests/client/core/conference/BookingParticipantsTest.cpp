// The scheduled page's participants: the add rule, delete, the filter, and what a
// booking sends.

#include "core/conference/BookingParticipants.h"
#include "core/conference/ParticipantText.h"

#include <gtest/gtest.h>

namespace {

ContactRecord person(const char* name, const char* phone)
{
    ContactRecord entry;
    entry.addressname = name;
    entry.phone = phone;
    return entry;
}

std::vector<std::string> shownPhones(const BookingParticipants& p)
{
    std::vector<std::string> phones;
    for (int r = 0; r < p.rowCount(); ++r)
        phones.push_back(p.row(r).phone);
    return phones;
}

TEST(BookingParticipantsTest, APhoneIsTakenOnceExactly)
{
    BookingParticipants p;
    EXPECT_TRUE(p.add(person("王芳", "13911110001")));
    EXPECT_FALSE(p.add(person("另一个", "13911110001")));
    // Containing or contained phones are other people on this page.
    EXPECT_TRUE(p.add(person("", "1391111")));
    EXPECT_TRUE(p.add(person("", "139111100011")));
    EXPECT_TRUE(p.add(person("", "abcdefg")));
    EXPECT_FALSE(p.add(person("无号码", "")));
    EXPECT_EQ(p.count(), 4);
    EXPECT_EQ(p.rowCount(), 4);
}

TEST(BookingParticipantsTest, TheFilterNarrowsTheRowsButNotTheBooking)
{
    BookingParticipants p;
    p.add(person("王芳", "13911110001"));
    p.add(person("李娜", "13922220002"));
    p.add(person("王强", "13933330003"));
    p.setFilter("王");
    EXPECT_EQ(shownPhones(p), (std::vector<std::string> { "13911110001", "13933330003" }));
    // Added under a filter: kept, shown only when it passes.
    p.add(person("赵六", "13944440004"));
    p.add(person("王五", "13955550005"));
    EXPECT_EQ(p.rowCount(), 3);
    const BookingParticipants::Fields fields = p.fields();
    EXPECT_EQ(fields.count, 5);
    EXPECT_EQ(fields.phones, "13911110001,13922220002,13933330003,13944440004,13955550005");
    EXPECT_EQ(fields.names, "王芳,李娜,王强,赵六,王五");
    p.setFilter("");
    EXPECT_EQ(p.rowCount(), 5);
}

TEST(BookingParticipantsTest, DeletingARowRemovesThatParticipantOnly)
{
    BookingParticipants p;
    p.add(person("王", "1391111"));
    p.add(person("王芳", "13911110001"));
    p.add(person("李娜", "13922220002"));
    p.setFilter("王");
    ASSERT_TRUE(p.removeRow(0)); // "王" 1391111: its name and phone begin the next one's
    EXPECT_EQ(shownPhones(p), (std::vector<std::string> { "13911110001" }));
    EXPECT_EQ(p.count(), 2);
    EXPECT_FALSE(p.removeRow(1));
    EXPECT_FALSE(p.removeRow(-1));
    // The phone may come again once its participant is gone.
    EXPECT_TRUE(p.add(person("王", "1391111")));
    p.setFilter("");
    EXPECT_EQ(shownPhones(p), (std::vector<std::string> { "13911110001", "13922220002", "1391111" }));
}

TEST(BookingParticipantsTest, NamesKeepTheirItemsInStep)
{
    BookingParticipants p;
    p.add(person("张,三", "13911110001"));
    p.add(person("", "13922220002"));
    p.add(person("李四", "13933330003"));
    EXPECT_EQ(p.fields().names, "张，三,,李四");
    // What is sent reads back as the same people.
    const std::vector<ContactRecord> back = ParticipantText::split(p.fields().phones, p.fields().names);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[1].addressname, "");
    EXPECT_EQ(back[2].addressname, "李四");
}

TEST(ParticipantTextTest, AConferencesPeopleAreReadItemForItem)
{
    const std::vector<ContactRecord> people = ParticipantText::split("13911110001 ,,13922220002,", "王芳 ,空");
    ASSERT_EQ(people.size(), 2u);
    EXPECT_EQ(people[0].phone, "13911110001");
    EXPECT_EQ(people[0].addressname, "王芳");
    // The empty phone item still takes its name item.
    EXPECT_EQ(people[1].phone, "13922220002");
    EXPECT_EQ(people[1].addressname, "");
}

} // namespace
