#include "core/account/RecordingListing.h"

#include "core/account/RawRowFilter.h"

#include "core/account/ChargeListing.h"
#include "core/service/ResultText.h"

namespace {

constexpr std::size_t kSecondLength = 19;

// Fields of a recording row as the service sends them.
enum Field { ConferenceIdField, MeetCallField, MeetTimeField, RecordFileField, TitleField };

std::string fieldOf(const RecordingListing::Row& row, std::size_t index)
{
    const std::string* value = ResultText::column(row.fields, index);
    return value ? *value : std::string();
}

} // namespace

void RecordingListing::load(const std::string& resultText)
{
    m_rows.clear();
    std::vector<std::string> texts = ResultText::rows(resultText);
    m_rows.reserve(texts.size());
    for (std::string& text : texts) {
        Row row;
        row.fields = ResultText::fields(text);
        row.text = std::move(text);
        m_rows.push_back(std::move(row));
    }
}

std::string RecordingListing::cell(int rowIndex, int column) const
{
    const Row& r = row(rowIndex);
    switch (column) {
    case ConferenceId:
        return fieldOf(r, ConferenceIdField);
    case Title:
        return fieldOf(r, TitleField);
    case HostNumber:
        return fieldOf(r, MeetCallField);
    case Time:
        return ChargeListing::timeText(fieldOf(r, MeetTimeField), kSecondLength);
    case Address:
        return fieldOf(r, RecordFileField);
    default:
        return {};
    }
}

std::vector<int> RecordingListing::allRows() const
{
    return rawRowFilter::allRows(m_rows);
}

std::vector<int> RecordingListing::rowsHolding(std::string_view filter) const
{
    return rawRowFilter::rowsHolding(m_rows, filter);
}
