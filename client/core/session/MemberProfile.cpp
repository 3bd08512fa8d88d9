#include "core/session/MemberProfile.h"

#include "core/service/ResultText.h"

MemberProfileUpdate MemberProfileUpdate::decode(const std::string& resultText)
{
    MemberProfileUpdate update;
    const std::vector<std::string> rows = ResultText::rows(resultText);
    if (rows.empty())
        return update;
    for (const std::string& field : ResultText::fields(rows.front()))
        update.m_columns.push_back(ResultText::trimmedRight(field));
    return update;
}

void MemberProfileUpdate::applyTo(MemberProfile& profile) const
{
    const auto text = [this](std::size_t column, std::string& field) {
        if (const std::string* value = ResultText::column(m_columns, column))
            field = *value;
    };
    const auto number = [this](std::size_t column, int& field) {
        if (const std::string* value = ResultText::column(m_columns, column))
            field = ResultText::toInt(*value);
    };
    text(1, profile.idNumber);
    number(2, profile.idType);
    number(3, profile.sex);
    text(5, profile.contactPhone);
    text(6, profile.email);
    text(7, profile.street);
    text(8, profile.city);
    text(9, profile.province);
    text(10, profile.country);
    text(11, profile.postcode);
    text(12, profile.hostNumber);
    text(13, profile.smsSignature);
    text(14, profile.remark);
}
