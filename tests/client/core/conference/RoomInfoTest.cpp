// The room's values from the service's answers, and the dial-in numbers its note
// number chooses.

#include "core/conference/RoomInfo.h"
#include "core/conference/DialInNumbers.h"

#include <gtest/gtest.h>

TEST(RoomInfoTest, passwordsComeFromTheLastRowAndAnEmptyAnswerKeepsThem)
{
    RoomInfo room;
    room.readPasswords("246810\r135790\r\n");
    EXPECT_EQ(room.hostPassword, "246810");
    EXPECT_EQ(room.participantPassword, "135790");

    room.readPasswords("");
    EXPECT_EQ(room.hostPassword, "246810");
    EXPECT_EQ(room.participantPassword, "135790");

    room.readPasswords("111111\r222222\r\n333333\r444444\r");
    EXPECT_EQ(room.hostPassword, "333333");
    EXPECT_EQ(room.participantPassword, "444444");

    // A row without its second field reads no participant password past its end.
    room.readPasswords("555555\r");
    EXPECT_EQ(room.hostPassword, "555555");
    EXPECT_EQ(room.participantPassword, "");
}

TEST(RoomInfoTest, theNoteNumberIsTheFirstFieldAndAnEmptyAnswerKeepsIt)
{
    RoomInfo room;
    room.readNoteNumber("2\r\n");
    EXPECT_EQ(room.noteNumber, "2");
    room.readNoteNumber("");
    EXPECT_EQ(room.noteNumber, "2");
    room.readNoteNumber("1\rignored\r\n3\r");
    EXPECT_EQ(room.noteNumber, "1");
}

TEST(RoomInfoTest, noteNumberOneChoosesTheFirstSetEverythingElseTheSecond)
{
    EXPECT_EQ(&DialInNumbers::forNoteNumber("1"), &DialInNumbers::first());
    for (const char* other : { "2", "", "0", "11", " 1" })
        EXPECT_EQ(&DialInNumbers::forNoteNumber(other), &DialInNumbers::second()) << '"' << other << '"';
    for (int i = 0; i < DialInNumbers::kCount; ++i) {
        EXPECT_FALSE(DialInNumbers::first().numbers[std::size_t(i)].empty());
        EXPECT_NE(DialInNumbers::first().numbers[std::size_t(i)], DialInNumbers::second().numbers[std::size_t(i)]);
    }
}
