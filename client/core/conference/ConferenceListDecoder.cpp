#include "core/conference/ConferenceListDecoder.h"

#include "core/service/ResultText.h"

#include <functional>

namespace {

using Fields = std::vector<std::string>;

void text(const Fields& fields, std::size_t column, std::string& field)
{
    if (const std::string* value = ResultText::column(fields, column))
        field = *value;
}

void number(const Fields& fields, std::size_t column, int& field)
{
    if (const std::string* value = ResultText::column(fields, column))
        field = ResultText::toInt(*value);
}

std::vector<ConferenceRecord> decodeRows(
    const std::string& resultText, const std::function<void(const Fields&, ConferenceRecord&)>& fill)
{
    std::vector<ConferenceRecord> records;
    for (const std::string& row : ResultText::rows(resultText)) {
        ConferenceRecord record;
        fill(ResultText::fields(row), record);
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace

std::vector<ConferenceRecord> ConferenceListDecoder::running(const std::string& resultText)
{
    return decodeRows(resultText, [](const Fields& f, ConferenceRecord& r) {
        text(f, 0, r.conferenceId);
        text(f, 1, r.topic);
        text(f, 2, r.secondTitle);
        text(f, 3, r.meetingTime);
        text(f, 4, r.hostNumber);
        text(f, 5, r.phones);
        text(f, 6, r.names);
        number(f, 7, r.type);
        number(f, 8, r.autoRecall);
        number(f, 9, r.smsNotice);
        number(f, 10, r.muteAll);
        number(f, 11, r.recording);
        text(f, 12, r.spareText);
        r.state = ConferenceRecord::Running;
    });
}

std::vector<ConferenceRecord> ConferenceListDecoder::booked(const std::string& resultText)
{
    return decodeRows(resultText, [](const Fields& f, ConferenceRecord& r) {
        text(f, 0, r.conferenceId);
        text(f, 1, r.topic);
        text(f, 2, r.meetingTime);
        text(f, 3, r.hostNumber);
        text(f, 4, r.phones);
        text(f, 5, r.names);
        number(f, 6, r.autoRecall);
        number(f, 7, r.smsNotice);
        number(f, 8, r.muteAll);
        number(f, 9, r.recording);
        r.state = ConferenceRecord::NotStartedOrBooked;
    });
}

std::vector<ConferenceRecord> ConferenceListDecoder::past(const std::string& resultText)
{
    return decodeRows(resultText, [](const Fields& f, ConferenceRecord& r) {
        text(f, 0, r.meetingTime);
        text(f, 1, r.topic);
        text(f, 2, r.hostNumber);
        text(f, 3, r.phones);
        text(f, 4, r.names);
        number(f, 5, r.smsNotice);
        number(f, 6, r.recording);
        number(f, 7, r.muteAll);
        number(f, 8, r.autoRecall);
        number(f, 9, r.spareNumber);
        r.state = ConferenceRecord::Past;
    });
}
