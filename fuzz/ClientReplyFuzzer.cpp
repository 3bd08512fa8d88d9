// The client's readings of result texts: every decoder and every loader that turns
// what the service sent into lists, tables, profiles and answers. The first byte
// picks the reading; texts and the search typed into a list come from the rest.
#include "core/account/ChargeListing.h"
#include "core/account/RecordingListing.h"
#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookQueries.h"
#include "core/addressbook/ChangeResult.h"
#include "core/conference/BookingResult.h"
#include "core/conference/ConferenceListDecoder.h"
#include "core/conference/MemberListText.h"
#include "core/conference/ParticipantText.h"
#include "core/conference/PastMeetingTable.h"
#include "core/conference/RoomInfo.h"
#include "core/messaging/SmsSendJob.h"
#include "core/service/ResultText.h"
#include "core/session/MemberProfile.h"
#include "core/session/VersionAnswer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace std::chrono;

void readChargeListing(ChargeKind kind, const std::string& text, const std::string& search)
{
    ChargeListing listing(kind);
    listing.load(text, { year { 2026 } / 1 / 1, year { 2026 } / 12 / 31 });
    for (int row = 0; row < listing.rowCount(); ++row) {
        for (int column = 0; column < listing.columnCount(); ++column) {
            listing.cell(row, column, ChargeListing::View::Query);
            listing.cell(row, column, ChargeListing::View::Filter);
        }
    }
    listing.totals(listing.rowsHolding(search));
    listing.dailyAmounts();
}

void readRecordingListing(const std::string& text, const std::string& search)
{
    RecordingListing listing;
    listing.load(text);
    for (int row = 0; row < listing.rowCount(); ++row) {
        for (int column = 0; column <= RecordingListing::Address; ++column)
            listing.cell(row, column);
    }
    listing.rowsHolding(search);
}

void readPastMeetings(const std::string& text, const std::string& search)
{
    PastMeetingTable table;
    table.replace(ConferenceListDecoder::past(text));
    table.shownIndexes(search);
}

// The group list with each group's members read from a second text, as the address
// book's load does, then stored into a book.
void loadGroups(const std::string& groups, const std::string& members, int reportedCount)
{
    AddressBook book;
    storeContacts(book, contactList(0, reportedCount, members));
    const MemberQuery membersOf = [&](const std::string&) { return memberList(0, reportedCount, members); };
    storeGroups(book, PanelMode::ContactGroups, groupList(0, reportedCount, groups, membersOf));
    storeGroups(book, PanelMode::ConferenceGroups, groupList(0, reportedCount, groups, membersOf));
    storeContacts(book, contactList(0, reportedCount, groups));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int reading = input.ConsumeIntegralInRange(0, 14);
    const int number = input.ConsumeIntegralInRange(-2, 3000);
    const std::string second = input.ConsumeRandomLengthString(256);
    const std::string text = input.ConsumeRemainingBytesAsString();

    switch (reading) {
    case 0:
        ConferenceListDecoder::running(text);
        break;
    case 1:
        ConferenceListDecoder::booked(text);
        break;
    case 2:
        readPastMeetings(text, second);
        break;
    case 3:
        readChargeListing(ChargeKind::Conference, text, second);
        break;
    case 4:
        readChargeListing(ChargeKind::Sms, text, second);
        break;
    case 5:
        readRecordingListing(text, second);
        break;
    case 6:
        loadGroups(text, second, number);
        break;
    case 7: {
        MemberProfile profile;
        MemberProfileUpdate::decode(text).applyTo(profile);
        break;
    }
    case 8:
        VersionAnswer::parse(text);
        break;
    case 9: {
        RoomInfo room;
        room.readPasswords(text);
        room.readNoteNumber(second);
        RoomInfo::usesFirstDialInSet(room.noteNumber);
        break;
    }
    case 10:
        bookingResult::read(text, number % 2 == 0);
        break;
    case 11:
        SmsSendJob::read(number, text);
        break;
    case 12:
        MemberListText::decode(text);
        break;
    case 13:
        ParticipantText::split(text, second);
        break;
    case 14:
        ChangeResult(text);
        ResultText::leadingDigits(text);
        ResultText::cut(text, static_cast<std::size_t>(std::abs(number)));
        break;
    }
    return 0;
}
