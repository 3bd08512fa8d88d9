#include "DemoData.h"

#include "ConferenceRunner.h"
#include "TimeText.h"
#include "store/AccountRepository.h"
#include "store/ChargeRepository.h"
#include "store/ConferenceRepository.h"
#include "store/ContactRepository.h"
#include "store/Database.h"
#include "store/GroupRepository.h"

#include <array>

namespace cvservice {

namespace {

// The second account dials in through the second set of room numbers.
constexpr const char* kSecondNoteNumber = "2";

struct DemoContact {
    const char* name;
    const char* phone;
    int sex;
};

constexpr std::array<DemoContact, 40> kContacts { {
    { "王芳", "13911110001", 2 },
    { "李娜", "13911110002", 2 },
    { "张伟", "13911110003", 1 },
    { "刘洋", "13911110004", 1 },
    { "陈静", "13911110005", 2 },
    { "杨磊", "13911110006", 1 },
    { "赵敏", "13911110007", 2 },
    { "黄勇", "13911110008", 1 },
    { "周杰", "13911110009", 1 },
    { "吴婷", "13911110010", 2 },
    { "徐强", "13922220011", 1 },
    { "孙丽", "13922220012", 2 },
    { "胡军", "13922220013", 1 },
    { "朱琳", "13922220014", 2 },
    { "高峰", "13922220015", 1 },
    { "林晓", "13922220016", 2 },
    { "何平", "13922220017", 1 },
    { "郭涛", "13922220018", 1 },
    { "马超", "13922220019", 1 },
    { "罗敏", "13922220020", 2 },
    { "梁静", "13633330021", 2 },
    { "宋佳", "13633330022", 2 },
    { "郑浩", "13633330023", 1 },
    { "谢娜", "13633330024", 2 },
    { "韩磊", "13633330025", 1 },
    { "唐雪", "13633330026", 2 },
    { "冯刚", "13633330027", 1 },
    { "于洁", "13633330028", 2 },
    { "董明", "13633330029", 1 },
    { "萧红", "13633330030", 2 },
    { "程亮", "13744440031", 1 },
    { "曹颖", "13744440032", 2 },
    { "袁博", "13744440033", 1 },
    { "邓婕", "13744440034", 2 },
    { "许鹏", "13744440035", 1 },
    { "傅雷", "13744440036", 1 },
    { "沈冰", "13744440037", 2 },
    { "曾凡", "13744440038", 1 },
    { "彭程", "13744440039", 1 },
    { "吕薇", "13744440040", 2 },
} };

struct DemoPast {
    int daysAgo;
    int hour;
    int minute;
    const char* title;
    std::array<int, 5> members; // indexes into kContacts, -1 = none
    int minutes; // how long it ran
    bool recorded;
};

constexpr std::array<DemoPast, 12> kPast { {
    { 2, 9, 30, "周一例会", { 10, 11, 12, 13, 14 }, 35, true },
    { 5, 15, 0, "产品评审", { 10, 12, 15, -1, -1 }, 50, false },
    { 9, 9, 30, "周一例会", { 10, 11, 12, 13, 14 }, 28, true },
    { 12, 20, 0, "家庭聚会安排", { 0, 1, 2, -1, -1 }, 18, false },
    { 16, 9, 30, "周一例会", { 10, 11, 12, 13, 14 }, 41, false },
    { 20, 14, 0, "客户需求沟通", { 20, 21, 22, -1, -1 }, 62, true },
    { 23, 9, 30, "周一例会", { 10, 11, 13, 14, -1 }, 30, false },
    { 28, 16, 30, "项目启动会", { 10, 15, 16, 17, 18 }, 75, true },
    { 33, 10, 0, "供应商报价", { 23, 24, -1, -1, -1 }, 22, false },
    { 40, 19, 30, "同学聚会", { 30, 31, 32, 33, -1 }, 45, false },
    { 47, 9, 30, "季度总结", { 10, 11, 12, 15, 16 }, 90, true },
    { 55, 11, 0, "合同确认", { 20, 25, -1, -1, -1 }, 15, false },
} };

std::time_t atDay(int daysFromToday, int hour, int minute)
{
    const std::time_t now = std::time(nullptr);
    std::tm tm {};
    localtime_r(&now, &tm);
    tm.tm_mday += daysFromToday;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = 0;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// Joins the demo contacts at the given indexes (-1 = none) into the conference's
// phone and name lists; returns how many there are.
template <std::size_t N> int addMembers(Conference& c, const std::array<int, N>& indexes)
{
    int count = 0;
    for (int index : indexes) {
        if (index < 0)
            continue;
        const DemoContact& member = kContacts[static_cast<std::size_t>(index)];
        if (count > 0) {
            c.meetphone += ',';
            c.meetphoneaddress += ',';
        }
        c.meetphone += member.phone;
        c.meetphoneaddress += member.name;
        ++count;
    }
    c.members = count;
    return count;
}

} // namespace

DemoData::DemoData(Database& db, AccountRepository& accounts, ContactRepository& contacts,
    GroupRepository& contactGroups, GroupRepository& confGroups, ConferenceRepository& conferences,
    ChargeRepository& charges)
    : m_db(db)
    , m_accounts(accounts)
    , m_contacts(contacts)
    , m_contactGroups(contactGroups)
    , m_confGroups(confGroups)
    , m_conferences(conferences)
    , m_charges(charges)
{
}

bool DemoData::seedIfEmpty()
{
    Transaction transaction(m_db);
    if (m_accounts.hasAny())
        return false;
    seedAccounts();
    seedAddressBook();
    seedConferences();
    seedMessages();
    transaction.commit();
    return true;
}

void DemoData::seedAccounts()
{
    const std::string expiry = timetext::date(std::time(nullptr) + 365L * 86400);
    Account main;
    main.regphoneid = kAccount;
    main.password = kPassword;
    main.balance = 58800;
    main.expiry = expiry;
    main.idcard = "110101199001011234";
    main.idtype = 1;
    main.sex = 1;
    main.contactname = "张明";
    main.contactid = "010-88886666";
    main.email = "zhangming@example.com";
    main.street = "中关村大街1号";
    main.city = "北京";
    main.state = "北京";
    main.country = "中国";
    main.postcode = "100080";
    main.meetcall = kAccount;
    main.messagesender = "张明";
    main.comment = "演示帐号";
    main.modifytime = timetext::now();
    main.chairpersonpwd = "246810";
    main.participantpwd = "135790";
    main.noteno = "1";
    m_accounts.create(main);

    Account second;
    second.regphoneid = kSecondAccount;
    second.password = kSecondPassword;
    second.balance = 12000;
    second.expiry = expiry;
    second.contactname = "李华";
    second.meetcall = kSecondAccount;
    second.messagesender = "李华";
    second.modifytime = timetext::now();
    second.chairpersonpwd = "112233";
    second.participantpwd = "445566";
    second.noteno = std::string(kSecondNoteNumber);
    m_accounts.create(second);
}

void DemoData::seedAddressBook()
{
    std::vector<std::int64_t> numbers;
    for (const DemoContact& c : kContacts) {
        Contact contact;
        contact.owner = kAccount;
        contact.name = c.name;
        contact.phone = c.phone;
        contact.sex = c.sex;
        numbers.push_back(m_contacts.add(contact));
    }
    // Contacts 0-9 family, 10-19 colleagues, 20-29 customers; 30-39 stay ungrouped.
    const char* groupNames[] = { "家人", "同事", "客户" };
    for (int g = 0; g < 3; ++g) {
        const std::int64_t id = m_contactGroups.add(kAccount, groupNames[g]).value();
        for (int i = g * 10; i < g * 10 + 10; ++i)
            m_contactGroups.addMember(id, numbers[static_cast<std::size_t>(i)]);
    }
    const std::int64_t weekly = m_confGroups.add(kAccount, "周例会").value();
    for (int i : { 10, 11, 12, 13, 14 })
        m_confGroups.addMember(weekly, numbers[static_cast<std::size_t>(i)]);
    const std::int64_t project = m_confGroups.add(kAccount, "项目组").value();
    for (int i : { 10, 15, 16, 17, 18, 20 })
        m_confGroups.addMember(project, numbers[static_cast<std::size_t>(i)]);
}

void DemoData::seedConferences()
{
    for (const DemoPast& past : kPast) {
        const std::time_t start = atDay(-past.daysAgo, past.hour, past.minute);
        Conference c;
        c.id = m_conferences.nextId(timetext::stamp(start));
        c.owner = kAccount;
        c.title = past.title;
        c.meettime = timetext::format(start);
        c.meetcall = kAccount;
        const int count = addMembers(c, past.members);
        c.recflag = past.recorded ? 1 : 0;
        c.autodial = 1;
        c.state = ConferenceState::Ended;
        c.endtime = timetext::format(start + past.minutes * 60);
        m_conferences.insert(c);

        const int minutes = past.minutes * (count + 1);
        m_charges.addConferenceCharge({ c.id, kAccount, c.meetcall, c.meettime, c.endtime, minutes,
            static_cast<std::int64_t>(minutes) * ConferenceRunner::kRatePerMinute });
        if (past.recorded)
            m_charges.addRecording({ c.id, kAccount, c.meetcall, c.meettime, c.title, past.minutes * 60 });
    }

    struct Booking {
        int days;
        int hour;
        int minute;
        const char* title;
        std::array<int, 4> members;
    };
    const Booking bookings[] = {
        { 1, 10, 0, "周例会", { 10, 11, 12, 13 } },
        { 3, 14, 30, "客户回访", { 20, 21, 22, -1 } },
    };
    for (const Booking& b : bookings) {
        const std::time_t when = atDay(b.days, b.hour, b.minute);
        Conference c;
        c.id = m_conferences.nextId(timetext::stamp(std::time(nullptr)));
        c.owner = kAccount;
        c.title = b.title;
        c.meettime = timetext::format(when);
        c.meetcall = kAccount;
        c.meettype = 1;
        c.smsflag = 1;
        c.autodial = 1;
        addMembers(c, b.members);
        c.state = ConferenceState::Booked;
        m_conferences.insert(c);
    }
}

void DemoData::seedMessages()
{
    struct DemoSms {
        int daysAgo;
        int contact;
        const char* text;
    };
    const DemoSms messages[] = {
        { 3, 10, "明早九点半例会，请准时参加。[张明]" },
        { 3, 11, "明早九点半例会，请准时参加。[张明]" },
        { 3, 12, "明早九点半例会，请准时参加。[张明]" },
        { 11, 0, "周六晚上六点家里吃饭。[张明]" },
        { 11, 1, "周六晚上六点家里吃饭。[张明]" },
        { 19, 20, "需求文档已发到您的邮箱，请查收。[张明]" },
        { 27, 15, "项目启动会改到下午四点半。[张明]" },
        { 46, 16, "季度总结请提前准备材料。[张明]" },
    };
    for (const DemoSms& m : messages) {
        const std::time_t when = atDay(-m.daysAgo, 18, 0);
        m_charges.addSms(
            { kAccount, kContacts[static_cast<std::size_t>(m.contact)].phone, m.text, timetext::format(when), 10 });
    }
}

} // namespace cvservice
