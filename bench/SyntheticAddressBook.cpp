#include "SyntheticAddressBook.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace corvana::bench {

namespace {

constexpr std::array kSurnames { "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱",
    "胡", "郭", "何", "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯", "邓", "曹", "彭", "曾", "肖",
    "田", "董", "袁", "潘", "于", "蒋", "蔡", "欧阳", "司马", "诸葛" };
constexpr std::array kGivenCharacters { "伟", "芳", "娜", "英", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳",
    "杰", "娟", "涛", "明", "超", "兰", "霞", "平", "刚", "桂", "建", "华", "晓", "东", "玉", "萍", "红", "文", "辉",
    "鹏", "飞", "斌", "宇", "浩", "凯", "秀", "婷" };
constexpr std::array kMobilePrefixes { "130", "131", "132", "133", "134", "135", "136", "137", "138", "139", "150",
    "151", "152", "153", "155", "156", "157", "158", "159", "170", "176", "177", "178", "180", "181", "182", "183",
    "184", "185", "186", "187", "188", "189", "198", "199" };

constexpr std::uint32_t kSeed = 20240611;
constexpr std::uint64_t kSubscriberNumbers = 100000000; // the eight digits after the prefix

// Distinct numbers for distinct i below kSubscriberNumbers: the multiplier is prime
// to 10^8, so i -> i * multiplier mod 10^8 is a permutation.
std::string phoneOf(int i, const char* prefix)
{
    const std::uint64_t subscriber = (std::uint64_t(i) * 7919u + 12345678u) % kSubscriberNumbers;
    char phone[16];
    std::snprintf(phone, sizeof phone, "%s%08llu", prefix, static_cast<unsigned long long>(subscriber));
    return phone;
}

ContactRecord memberOf(const ContactRecord& contact)
{
    ContactRecord member;
    member.addressno = contact.addressno;
    member.addressname = contact.addressname;
    member.phone = contact.phone;
    return member;
}

} // namespace

std::vector<ContactRecord> syntheticContacts(int count)
{
    std::mt19937 random(kSeed);
    auto pick = [&random](const auto& table) {
        return table[std::uniform_int_distribution<std::size_t>(0, table.size() - 1)(random)];
    };
    std::vector<ContactRecord> contacts(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        ContactRecord& contact = contacts[std::size_t(i)];
        contact.addressno = i + 1;
        contact.clientno = "100086";
        contact.addressname = pick(kSurnames);
        contact.addressname += pick(kGivenCharacters);
        if (random() % 3 != 0)
            contact.addressname += pick(kGivenCharacters);
        contact.phone = phoneOf(i, pick(kMobilePrefixes));
        contact.sex = 1 + int(random() % 2);
        if (i % 4 != 0)
            contact.email = "c" + std::to_string(i + 1) + "@mail.example.cn";
    }
    return contacts;
}

void fillSyntheticAddressBook(AddressBook& book, const AddressBookShape& shape)
{
    book.clear();
    std::vector<ContactRecord> contacts = syntheticContacts(shape.contacts);

    const int groups = std::clamp(shape.contactGroups, 0, AddressBook::kMaxGroups);
    std::vector<std::vector<ContactRecord>> members;
    members.resize(std::size_t(groups));
    std::vector<ContactRecord> ungrouped;
    int grouped = 0;
    for (ContactRecord& contact : contacts) {
        const bool inNoGroup
            = groups == 0 || (shape.ungroupedEvery > 0 && contact.addressno % shape.ungroupedEvery == 0);
        if (inNoGroup) {
            ungrouped.push_back(memberOf(contact));
            continue;
        }
        const int g = grouped++ % groups;
        contact.addressgroupid = 1000 + g;
        contact.addressgroupname = "分组" + std::to_string(g + 1);
        members[std::size_t(g)].push_back(memberOf(contact));
    }
    book.setGroupCount(PanelMode::ContactGroups, groups);
    for (int g = 0; g < groups; ++g) {
        GroupEntry& group = book.groupSlot(PanelMode::ContactGroups, g);
        group.id = 1000 + g;
        group.name = "分组" + std::to_string(g + 1);
        group.kind = GroupKind::ContactGroup;
        const int count = int(members[std::size_t(g)].size());
        group.setMembers(std::move(members[std::size_t(g)]), count);
    }
    const int ungroupedCount = int(ungrouped.size());
    book.ungrouped().setMembers(std::move(ungrouped), ungroupedCount);

    const int conferenceGroups = std::clamp(shape.conferenceGroups, 0, AddressBook::kMaxGroups);
    book.setGroupCount(PanelMode::ConferenceGroups, conferenceGroups);
    for (int g = 0; g < conferenceGroups; ++g) {
        GroupEntry& group = book.groupSlot(PanelMode::ConferenceGroups, g);
        group.id = 5000 + g;
        group.name = "会议组" + std::to_string(g + 1);
        group.kind = GroupKind::ConferenceGroup;
        std::vector<ContactRecord> conferenceMembers;
        for (int m = 0; m < shape.conferenceGroupMembers && !contacts.empty(); ++m) {
            const std::size_t at = (std::size_t(g) * 7 + std::size_t(m) * 491) % contacts.size();
            conferenceMembers.push_back(memberOf(contacts[at]));
        }
        const int count = int(conferenceMembers.size());
        group.setMembers(std::move(conferenceMembers), count);
    }

    const int contactCount = int(contacts.size());
    book.setContacts(std::move(contacts), contactCount);
}

} // namespace corvana::bench
