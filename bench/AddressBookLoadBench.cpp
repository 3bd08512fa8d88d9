// Speed of the address book's loads on the client's side: the result texts of a
// large book (100,000 contacts in 200 contact groups, and 50 conference groups)
// decoded into replies and stored into an AddressBook that already holds a
// previous load, as a synchronisation does on every change. The service exchange
// itself is measured by cvsrv_bench.
#include "RatioReporter.h"
#include "ValueLines.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookQueries.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kContacts = 100000;
constexpr int kContactGroups = 200;
constexpr int kConferenceGroups = 50;
constexpr int kConferenceGroupMembers = 200;

// Result text: every field followed by CR, rows joined by LF.
class ResultTextBuilder {
public:
    void field(const std::string& value)
    {
        m_text += value;
        m_text += '\r';
    }
    void endRow() { m_text += '\n'; }
    // The last row carries no LF, as the library writes it.
    std::string text()
    {
        if (!m_text.empty() && m_text.back() == '\n')
            m_text.pop_back();
        return std::move(m_text);
    }

private:
    std::string m_text;
};

struct LoadTexts {
    std::string contacts;
    std::string contactGroups;
    std::vector<std::string> contactGroupMembers; // by group position
    std::string conferenceGroups;
    std::vector<std::string> conferenceGroupMembers;
};

std::string phoneOf(int contact)
{
    return std::to_string(13900000000LL + contact);
}

// Contact i belongs to contact group i % 200 and, for the first 10,000, to
// conference group i % 50 as well.
LoadTexts buildTexts()
{
    LoadTexts texts;
    std::vector<ResultTextBuilder> members(kContactGroups);
    std::vector<ResultTextBuilder> conferenceMembers(kConferenceGroups);
    ResultTextBuilder contacts;
    for (int i = 0; i < kContacts; ++i) {
        const int group = i % kContactGroups;
        const std::string addressno = std::to_string(100000 + i);
        const std::string name = "联系人" + std::to_string(i);
        contacts.field("8801");
        contacts.field(addressno);
        contacts.field(name);
        contacts.field(phoneOf(i));
        contacts.field(i % 2 ? "1" : "2");
        contacts.field(i % 10 ? std::string() : std::to_string(i).append("@example.com"));
        contacts.field(std::to_string(group + 1));
        contacts.field("联系人组" + std::to_string(group + 1));
        contacts.endRow();
        for (ResultTextBuilder* list :
            { &members[std::size_t(group)],
                i < kConferenceGroups * kConferenceGroupMembers ? &conferenceMembers[std::size_t(i % kConferenceGroups)]
                                                                : nullptr }) {
            if (!list)
                continue;
            list->field(addressno);
            list->field(name);
            list->field(phoneOf(i));
            list->endRow();
        }
    }
    texts.contacts = contacts.text();

    ResultTextBuilder groups;
    for (int g = 0; g < kContactGroups; ++g) {
        groups.field(std::to_string(g + 1));
        groups.field("联系人组" + std::to_string(g + 1));
        groups.endRow();
        texts.contactGroupMembers.push_back(members[std::size_t(g)].text());
    }
    texts.contactGroups = groups.text();
    ResultTextBuilder conferenceGroups;
    for (int g = 0; g < kConferenceGroups; ++g) {
        conferenceGroups.field(std::to_string(g + 1));
        conferenceGroups.field("会议组" + std::to_string(g + 1));
        conferenceGroups.endRow();
        texts.conferenceGroupMembers.push_back(conferenceMembers[std::size_t(g)].text());
    }
    texts.conferenceGroups = conferenceGroups.text();
    return texts;
}

const LoadTexts& loadTexts()
{
    static const LoadTexts texts = buildTexts();
    return texts;
}

// What the member queries of a load would answer: group ids are positions + 1.
MemberQuery membersFrom(const std::vector<std::string>& memberTexts, int perGroup)
{
    return [&memberTexts, perGroup](const std::string& groupId) {
        return memberList(0, perGroup, memberTexts.at(std::size_t(std::stoi(groupId) - 1)));
    };
}

// The three loads as the client runs them, from texts to the stored book.
void loadInto(AddressBook& book)
{
    const LoadTexts& texts = loadTexts();
    storeContacts(book, contactList(0, kContacts, texts.contacts));
    GroupsReply contactGroups = groupList(
        0, kContactGroups, texts.contactGroups, membersFrom(texts.contactGroupMembers, kContacts / kContactGroups));
    contactGroups.ungrouped = memberList(0, 0, "");
    storeGroups(book, PanelMode::ContactGroups, std::move(contactGroups));
    storeGroups(book, PanelMode::ConferenceGroups,
        groupList(0, kConferenceGroups, texts.conferenceGroups,
            membersFrom(texts.conferenceGroupMembers, kConferenceGroupMembers)));
}

// A time is only worth reporting for a load that stored what the texts hold.
bool loadIsComplete()
{
    AddressBook book;
    loadInto(book);
    const GroupEntry& lastContactGroup = book.groupSlot(PanelMode::ContactGroups, AddressBook::kMaxGroups - 1);
    const GroupEntry& lastConferenceGroup = book.groupSlot(PanelMode::ConferenceGroups, kConferenceGroups - 1);
    const bool complete = book.contactCount() == kContacts && book.contacts().back().phone == phoneOf(kContacts - 1)
        && book.groupCount(PanelMode::ContactGroups) == AddressBook::kMaxGroups
        && lastContactGroup.memberCount == kContacts / kContactGroups && lastContactGroup.name == "联系人组100"
        && book.groupCount(PanelMode::ConferenceGroups) == kConferenceGroups
        && lastConferenceGroup.memberCount == kConferenceGroupMembers;
    if (!complete)
        std::fprintf(stderr, "the load stored %d contacts and %d and %d groups\n", book.contactCount(),
            book.groupCount(PanelMode::ContactGroups), book.groupCount(PanelMode::ConferenceGroups));
    return complete;
}

void BM_AddressBookLoad100k(benchmark::State& state)
{
    if (!loadIsComplete()) {
        state.SkipWithError("the load did not store what the texts hold");
        return;
    }
    AddressBook book;
    loadInto(book);
    for (auto _ : state) {
        loadInto(book);
        benchmark::DoNotOptimize(book.contacts().data());
    }
    state.SetItemsProcessed(state.iterations() * kContacts);
}

// Several repetitions: the best is the one least disturbed by other work.
BENCHMARK(BM_AddressBookLoad100k)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5);

[[maybe_unused]] const bool kLoadLine = corvana::bench::addValueLine(
    { "addressbook_load_100k_ms", "BM_AddressBookLoad100k", corvana::bench::RatioReporter::Clock::Cpu });

} // namespace
