#include "core/conference/RoomInfo.h"

#include "core/service/ResultText.h"

void RoomInfo::readPasswords(const std::string& resultText)
{
    if (resultText.empty())
        return;
    for (const std::string& row : ResultText::rows(resultText)) {
        const std::vector<std::string> fields = ResultText::fields(row);
        const std::string* host = ResultText::column(fields, 0);
        const std::string* participant = ResultText::column(fields, 1);
        hostPassword = host ? *host : std::string();
        participantPassword = participant ? *participant : std::string();
    }
}

void RoomInfo::readNoteNumber(const std::string& resultText)
{
    if (resultText.empty())
        return;
    const std::vector<std::string> rows = ResultText::rows(resultText);
    if (rows.empty())
        return;
    const std::vector<std::string> fields = ResultText::fields(rows.front());
    if (const std::string* first = ResultText::column(fields, 0))
        noteNumber = *first;
}

bool RoomInfo::usesFirstDialInSet(std::string_view noteNumber)
{
    return noteNumber == "1";
}
