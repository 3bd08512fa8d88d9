#pragma once

#include <string>
#include <vector>

// The subscriber's profile as GetMemberInfo reports it. Texts are UTF-8.
struct MemberProfile {
    int sex = 2; // 1 "男", 2 "女", other "其他"
    int idType = 1; // index into the "证件类型" list
    std::string idNumber;
    std::string contactName; // never loaded; passed back unchanged when the profile is saved
    std::string contactPhone;
    std::string email;
    std::string street;
    std::string city;
    std::string province;
    std::string country;
    std::string postcode;
    std::string hostNumber; // default number that hosts a conference
    std::string smsSignature;
    std::string remark;

    bool operator==(const MemberProfile&) const = default;
};

// The first row of a GetMemberInfo result, decoded off the GUI thread and applied to
// the session's profile on it. Columns the row lacks leave their fields as they were.
class MemberProfileUpdate {
public:
    static MemberProfileUpdate decode(const std::string& resultText);

    bool isEmpty() const { return m_columns.empty(); }
    void applyTo(MemberProfile& profile) const;

private:
    std::vector<std::string> m_columns; // trailing blanks removed
};
