#include "FilterParser.h"

#include "TimeText.h"

#include <algorithm>
#include <cctype>

namespace cvservice {

namespace {

struct Cursor {
    std::string_view text;
    std::size_t pos = 0;

    void skipSpace()
    {
        while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
            ++pos;
    }
    bool atEnd()
    {
        skipSpace();
        return pos >= text.size();
    }
    std::string word()
    {
        skipSpace();
        std::string out;
        while (pos < text.size() && (std::isalnum(static_cast<unsigned char>(text[pos])) || text[pos] == '_'))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos++])));
        return out;
    }
    std::string op()
    {
        skipSpace();
        std::string out;
        while (pos < text.size() && (text[pos] == '<' || text[pos] == '>' || text[pos] == '=') && out.size() < 2)
            out += text[pos++];
        return out;
    }
    std::optional<std::string> quoted()
    {
        skipSpace();
        if (pos >= text.size() || text[pos] != '\'')
            return std::nullopt;
        const std::size_t close = text.find('\'', pos + 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        std::string value(text.substr(pos + 1, close - pos - 1));
        pos = close + 1;
        return value;
    }
};

} // namespace

FilterParser::FilterParser(std::vector<std::string> timeColumns, std::vector<std::string> textColumns)
    : m_timeColumns(std::move(timeColumns))
    , m_textColumns(std::move(textColumns))
{
}

bool FilterParser::isTimeColumn(const std::string& name) const
{
    return std::find(m_timeColumns.begin(), m_timeColumns.end(), name) != m_timeColumns.end();
}

bool FilterParser::isTextColumn(const std::string& name) const
{
    return std::find(m_textColumns.begin(), m_textColumns.end(), name) != m_textColumns.end();
}

std::optional<std::vector<FilterCondition>> FilterParser::parse(std::string_view filter) const
{
    static const std::vector<std::string> operators { "=", "<", "<=", ">", ">=" };
    std::vector<FilterCondition> conditions;
    Cursor cursor { filter };
    if (cursor.atEnd())
        return conditions;
    for (;;) {
        FilterCondition condition;
        condition.column = cursor.word();
        condition.op = cursor.op();
        const auto value = cursor.quoted();
        if (!value || std::find(operators.begin(), operators.end(), condition.op) == operators.end())
            return std::nullopt;
        if (isTimeColumn(condition.column)) {
            const auto when = timetext::parse(*value);
            if (!when)
                return std::nullopt;
            condition.value = timetext::format(*when);
        } else if (isTextColumn(condition.column) && condition.op == "=") {
            condition.value = *value;
        } else {
            return std::nullopt;
        }
        conditions.push_back(std::move(condition));
        if (cursor.atEnd())
            return conditions;
        if (cursor.word() != "and")
            return std::nullopt;
    }
}

} // namespace cvservice
