#include "core/session/VersionAnswer.h"

#include <vector>

namespace {

std::vector<std::string> fieldsOfFirstRow(const std::string& text)
{
    const std::string row = text.substr(0, text.find('\n'));
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    while (start < row.size()) {
        const auto end = row.find('\r', start);
        if (end == std::string::npos) {
            fields.push_back(row.substr(start));
            break;
        }
        fields.push_back(row.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

} // namespace

VersionAnswer VersionAnswer::parse(const std::string& resultText)
{
    VersionAnswer answer;
    const auto fields = fieldsOfFirstRow(resultText);
    // A short row cannot carry an upgrade decision; treat it like a failed check.
    if (fields.size() < 3 || fields[0] != "0")
        return answer;
    answer.newVersion = fields[1];
    if (fields.size() > 3)
        answer.downloadList = fields[3];
    if (fields[2] == "0")
        answer.outcome = Outcome::UpToDate;
    else if (fields[2] == "2")
        answer.outcome = Outcome::MustUpgrade;
    else
        answer.outcome = Outcome::MayUpgrade;
    return answer;
}
