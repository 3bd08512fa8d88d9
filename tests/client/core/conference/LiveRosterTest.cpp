#include "core/conference/LiveRoster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

ContactRecord participant(const std::string& name, const std::string& phone)
{
    ContactRecord record;
    record.addressname = name;
    record.phone = phone;
    return record;
}

std::string item(const std::string& name, const std::string& phone, int callstate, int speakstate = 1, int talker = 0)
{
    return name + "|" + phone + "|" + std::to_string(callstate) + "|" + std::to_string(speakstate) + "|"
        + std::to_string(talker);
}

std::string list(std::initializer_list<std::string> items)
{
    std::string text;
    for (const std::string& i : items)
        text += (text.empty() ? "" : ",") + i;
    return text;
}

// Every notification as a short line: "+W0" inserted, "-J2" removed, "~J1-1" changed,
// "resetW", "counters", "repaint", "hold".
class Recorder : public RosterObserver {
public:
    std::vector<std::string> events;

    void rowsAboutToBeInserted(RosterList l, int first, int last) override { add("+", l, first, last); }
    void rowsAboutToBeRemoved(RosterList l, int first, int last) override { add("-", l, first, last); }
    void rowsChanged(RosterList l, int first, int last) override
    {
        events.push_back("~" + name(l) + std::to_string(first) + "-" + std::to_string(last));
    }
    void listAboutToBeReset(RosterList l) override { events.push_back("reset" + name(l)); }
    void countersChanged() override { events.push_back("counters"); }
    void repaintWanted() override { events.push_back("repaint"); }
    void holdExpiryChanged() override { events.push_back("hold"); }

    std::vector<std::string> take() { return std::exchange(events, {}); }

private:
    static std::string name(RosterList l) { return l == RosterList::Waiting ? "W" : "J"; }
    void add(const char* sign, RosterList l, int first, int last)
    {
        std::string line = sign + name(l) + std::to_string(first);
        if (last != first)
            line += "-" + std::to_string(last);
        events.push_back(line);
    }
};

class LiveRosterTest : public ::testing::Test {
protected:
    LiveRosterTest()
        : roster({ [this] { return steadyNow; }, [this] { return wallNow; } })
    {
        roster.addObserver(&recorder);
    }

    std::vector<std::string> phones(RosterList l) const
    {
        std::vector<std::string> result;
        for (int r = 0; r < roster.rowCount(l); ++r)
            result.push_back(roster.row(l, r).phone);
        return result;
    }

    std::vector<std::string> entryPhones(RosterList l) const
    {
        std::vector<std::string> result;
        for (const ContactRecord& e : roster.entries(l))
            result.push_back(e.phone);
        return result;
    }

    WaitingOperation operation(const std::string& phone) const
    {
        return roster.row(RosterList::Waiting, roster.rowOf(RosterList::Waiting, phone)).operation;
    }

    std::chrono::steady_clock::time_point steadyNow {};
    std::chrono::system_clock::time_point wallNow { std::chrono::system_clock::time_point {} + 1000h };
    Recorder recorder;
    LiveRoster roster;
};

using Strings = std::vector<std::string>;

TEST_F(LiveRosterTest, ContainedPhoneGetsARowButNoEntry)
{
    roster.add(participant("张三", "13800138000"));
    roster.add(participant("李四", "1380013"));
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "13800138000", "1380013" }));
    EXPECT_EQ(entryPhones(RosterList::Waiting), (Strings { "13800138000" }));
    EXPECT_EQ(roster.counters(), (LiveRoster::Counters { 2, 2, 0 }));

    // The same phone again rewrites the row's operation and appends nothing.
    recorder.take();
    roster.loadRunning();
    roster.add(participant("张三", "13800138000"));
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "13800138000", "1380013" }));
    EXPECT_EQ(operation("13800138000"), WaitingOperation::DeleteCall);
    EXPECT_EQ(recorder.take(), (Strings { "~W0-0" }));
}

TEST_F(LiveRosterTest, StartListsKeepAnEmptyNameItem)
{
    roster.add(participant("张三", "1111111"));
    roster.add(participant("", "2222222"));
    LiveRoster::StartLists lists = roster.collectForStart();
    EXPECT_EQ(lists.phones, "1111111,2222222");
    EXPECT_EQ(lists.names, "张三,");
    EXPECT_EQ(lists.count, 2);

    // A comma inside a name must not shift the names of the others.
    roster.add(participant("王,五", "3333333"));
    EXPECT_EQ(roster.collectForStart().names, "张三,,王，五");

    // The search box narrows the list, not the conference.
    roster.setFilter("王");
    EXPECT_EQ(roster.rowCount(RosterList::Waiting), 1);
    EXPECT_EQ(roster.collectForStart().phones, "1111111,2222222,3333333");

    EXPECT_EQ(LiveRoster().collectForStart().count, 0);
}

TEST_F(LiveRosterTest, RelaunchedConferenceSkipsEmptyPhones)
{
    roster.addFromConference("1111111  ,  ,3333333,4444444", "张三 ,李四,王五");
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "1111111", "3333333", "4444444" }));
    EXPECT_EQ(roster.row(RosterList::Waiting, 0).name, "张三");
    EXPECT_EQ(roster.row(RosterList::Waiting, 1).name, "王五");
    EXPECT_EQ(roster.row(RosterList::Waiting, 2).name, "");
    EXPECT_EQ(operation("1111111"), WaitingOperation::Delete);
}

TEST_F(LiveRosterTest, MemberMovesToJoinedAndBackAsOneRemovalAndOneInsertion)
{
    roster.add(participant("张三", "13800138000"));
    roster.add(participant("李四", "13900139000"));
    roster.loadRunning();
    recorder.take();

    EXPECT_FALSE(roster.applyMemberList(item("张三", "13800138000", 1)));
    EXPECT_EQ(recorder.take(), (Strings { "-W0", "+J0", "counters" }));
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "13900139000" }));
    EXPECT_EQ(phones(RosterList::Joined), (Strings { "13800138000" }));
    EXPECT_EQ(entryPhones(RosterList::Waiting), (Strings { "13900139000" }));
    EXPECT_EQ(entryPhones(RosterList::Joined), (Strings { "13800138000" }));
    EXPECT_EQ(roster.row(RosterList::Joined, 0).status, MemberStatus::Speaking);
    EXPECT_EQ(roster.counters(), (LiveRoster::Counters { 2, 1, 1 }));

    roster.applyMemberList(item("张三", "13800138000", 2));
    EXPECT_EQ(recorder.take(), (Strings { "-J0", "+W1", "counters" }));
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "13900139000", "13800138000" }));
    EXPECT_EQ(operation("13800138000"), WaitingOperation::DeleteCall);
    EXPECT_TRUE(roster.entries(RosterList::Joined).empty());

    roster.applyMemberList(item("张三", "13800138000", 0));
    EXPECT_EQ(operation("13800138000"), WaitingOperation::DeleteHangUp);
    EXPECT_EQ(recorder.take(), (Strings { "~W1-1" }));
}

// After a monitor reconnect the list is the whole roster: who is missing from it left
// the conference while nobody watched.
TEST_F(LiveRosterTest, ACompleteListSendsBackTheJoinedItNoLongerHolds)
{
    roster.loadRunning();
    roster.applyMemberList(list({ item("张三", "13800138000", 1), item("李四", "13900139000", 1) }));
    recorder.take();

    roster.applyMemberList(item("李四", "13900139000", 1), true);
    EXPECT_EQ(phones(RosterList::Joined), (Strings { "13900139000" }));
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "13800138000" }));
    EXPECT_EQ(operation("13800138000"), WaitingOperation::DeleteCall);
    EXPECT_EQ(recorder.take(), (Strings { "-J0", "+W0", "counters" }));

    // An ordinary list leaves out whoever did not change.
    roster.applyMemberList(item("张三", "13800138000", 1));
    roster.applyMemberList(item("张三", "13800138000", 1, 2));
    EXPECT_EQ(phones(RosterList::Joined), (Strings { "13900139000", "13800138000" }));
}

TEST_F(LiveRosterTest, OneChangedStateIsOneChangedRow)
{
    roster.loadRunning();
    const std::string before = list({ item("a", "1111111", 1), item("b", "2222222", 1), item("c", "3333333", 3) });
    roster.applyMemberList(before);
    recorder.take();

    roster.applyMemberList(before);
    EXPECT_TRUE(recorder.take().empty());

    roster.applyMemberList(list({ item("a", "1111111", 1), item("b", "2222222", 1, 2), item("c", "3333333", 3) }));
    EXPECT_EQ(recorder.take(), (Strings { "~J1-1" }));
    EXPECT_EQ(roster.row(RosterList::Joined, 1).status, MemberStatus::Muted);
}

TEST_F(LiveRosterTest, JoinedListAsksForOneRepaintPerConference)
{
    roster.loadRunning();
    std::string twenty;
    for (int i = 0; i < 20; ++i)
        twenty += (i ? "," : "") + item("m", std::to_string(1000000 + i), 1);
    EXPECT_FALSE(roster.applyMemberList(twenty));

    const std::string twentyOne = twenty + "," + item("m", "2000000", 1);
    EXPECT_TRUE(roster.applyMemberList(twentyOne));
    EXPECT_FALSE(roster.applyMemberList(twentyOne));
    EXPECT_FALSE(roster.applyMemberList(twentyOne + "," + item("m", "2000001", 1)));
    int repaints = 0;
    for (const std::string& event : recorder.take())
        repaints += event == "repaint";
    EXPECT_EQ(repaints, 1);

    roster.loadRunning();
    EXPECT_TRUE(roster.applyMemberList(twentyOne));
}

TEST_F(LiveRosterTest, EndedConferenceReturnsEveryoneButTheHost)
{
    roster.add(participant("等待", "4444444"));
    roster.loadRunning();
    roster.applyMemberList(list({ item("主持", "1111111", 1), item("a", "2222222", 1), item("b", "3333333", 1, 2),
        item("等待", "4444444", 3) }));
    ASSERT_EQ(operation("4444444"), WaitingOperation::DeleteCall);
    recorder.take();

    roster.conferenceEnded("1111111");
    EXPECT_FALSE(roster.running());
    EXPECT_EQ(phones(RosterList::Joined), Strings {});
    EXPECT_TRUE(roster.entries(RosterList::Joined).empty());
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "4444444", "2222222", "3333333" }));
    EXPECT_EQ(entryPhones(RosterList::Waiting), (Strings { "4444444", "2222222", "3333333" }));
    for (const std::string& phone : phones(RosterList::Waiting))
        EXPECT_EQ(operation(phone), WaitingOperation::Delete) << phone;
    EXPECT_EQ(recorder.take(), (Strings { "+W1", "+W2", "-J0-2", "~W0-0", "counters" }));
}

TEST_F(LiveRosterTest, EndedConferenceAlsoReturnsMembersTheFilterHid)
{
    roster.loadRunning();
    roster.applyMemberList(list({ item("张三", "2222222", 1), item("李四", "3333333", 1) }));
    roster.setFilter("张");
    ASSERT_EQ(phones(RosterList::Joined), (Strings { "2222222" }));

    roster.conferenceEnded("1111111");
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "2222222" }));
    roster.setFilter("");
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "2222222", "3333333" }));
}

TEST_F(LiveRosterTest, FilterRebuildsBothListsFromTheirArrays)
{
    roster.add(participant("张三", "1111111"));
    roster.add(participant("李四", "2222222"));
    roster.loadRunning();
    roster.applyMemberList(list({ item("王五", "3333333", 1), item("赵六", "4444444", 1) }));
    recorder.take();

    roster.setFilter("3");
    EXPECT_EQ(recorder.take(), (Strings { "resetW", "resetJ", "counters" }));
    EXPECT_EQ(phones(RosterList::Waiting), Strings {});
    EXPECT_EQ(phones(RosterList::Joined), (Strings { "3333333" }));
    EXPECT_EQ(roster.counters(), (LiveRoster::Counters { 1, 0, 1 }));

    // A hidden member's news is kept: it shows once the filter lets it through.
    roster.applyMemberList(item("赵六", "4444444", 1, 0));
    EXPECT_EQ(roster.rowCount(RosterList::Joined), 1);
    roster.setFilter("赵");
    EXPECT_EQ(phones(RosterList::Joined), (Strings { "4444444" }));
    EXPECT_EQ(roster.row(RosterList::Joined, 0).status, MemberStatus::Listening);

    roster.setFilter("");
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "1111111", "2222222" }));
    EXPECT_EQ(operation("1111111"), WaitingOperation::DeleteCall);
}

TEST_F(LiveRosterTest, OperationWordsGiveTheirCommands)
{
    roster.add(participant("张三", "1111111"));
    roster.add(participant("李四", "2222222"));
    // Composing: "删除" only deletes, and there is no second word.
    EXPECT_EQ(roster.clickWord(RosterList::Waiting, 1, 0), std::nullopt);
    EXPECT_EQ(roster.clickWord(RosterList::Waiting, 0, 1), std::nullopt);
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "1111111" }));
    EXPECT_EQ(entryPhones(RosterList::Waiting), (Strings { "1111111" }));

    roster.add(participant("李四", "2222222"));
    roster.loadRunning();
    roster.applyMemberList(list({ item("张三", "1111111", 3), item("王五", "3333333", 1, 1),
        item("赵六", "4444444", 1, 0), item("钱七", "5555555", 1, 2) }));
    recorder.take();

    const MemberCommand call { MemberCommand::Call, "1111111,张三" };
    EXPECT_EQ(roster.clickWord(RosterList::Waiting, 0, 1), call);
    EXPECT_EQ(operation("1111111"), WaitingOperation::DeleteHangUp);
    const MemberCommand hangUp { MemberCommand::HangUp, "1111111,张三" };
    EXPECT_EQ(roster.clickWord(RosterList::Waiting, 0, 1), hangUp);
    EXPECT_EQ(operation("1111111"), WaitingOperation::DeleteCall);
    EXPECT_EQ(recorder.take(), (Strings { "~W0-0", "~W0-0" }));

    EXPECT_EQ(roster.clickWord(RosterList::Joined, 0, 0), (MemberCommand { 2, "3333333,王五" }));
    EXPECT_EQ(roster.clickWord(RosterList::Joined, 1, 0), (MemberCommand { 2, "4444444,赵六" }));
    EXPECT_EQ(roster.clickWord(RosterList::Joined, 2, 0), (MemberCommand { 3, "5555555,钱七" }));
    EXPECT_EQ(roster.clickWord(RosterList::Joined, 2, 1), (MemberCommand { 6, "5555555,钱七" }));
    EXPECT_EQ(roster.clickWord(RosterList::Joined, 3, 0), std::nullopt);

    // Removing while running sends the phone alone; the participant stays gone after a new filter.
    EXPECT_EQ(roster.clickWord(RosterList::Waiting, 1, 0), (MemberCommand { 10, "2222222" }));
    roster.setFilter("2");
    roster.setFilter("");
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "1111111" }));
}

// A member list sent before the service heard of the removal still holds the member.
TEST_F(LiveRosterTest, RemovedMemberStaysOutUntilItJoinsOrIsAddedAgain)
{
    roster.loadRunning();
    roster.applyMemberList(list({ item("张三", "1111111", 2), item("李四", "2222222", 2) }));
    ASSERT_EQ(roster.clickWord(RosterList::Waiting, 0, 0), (MemberCommand { 10, "1111111" }));

    roster.applyMemberList(list({ item("张三", "1111111", 2), item("李四", "2222222", 0) }));
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "2222222" }));
    EXPECT_EQ(operation("2222222"), WaitingOperation::DeleteHangUp);

    // Called in again by somebody: the member is back, and so is its way back to waiting.
    roster.applyMemberList(list({ item("张三", "1111111", 1) }));
    EXPECT_EQ(phones(RosterList::Joined), (Strings { "1111111" }));
    roster.applyMemberList(list({ item("张三", "1111111", 2) }));
    EXPECT_EQ(phones(RosterList::Waiting), (Strings { "2222222", "1111111" }));

    ASSERT_EQ(roster.clickWord(RosterList::Waiting, 1, 0), (MemberCommand { 10, "1111111" }));
    roster.add(participant("张三", "1111111"));
    roster.applyMemberList(list({ item("张三", "1111111", 0) }));
    EXPECT_EQ(operation("1111111"), WaitingOperation::DeleteHangUp);
}

TEST_F(LiveRosterTest, SpeakingOutlastsTheTalkerFlagByTheHold)
{
    roster.loadRunning();
    roster.applyMemberList(list({ item("a", "1111111", 1, 1, 1), item("b", "2222222", 1, 1, 0) }));
    EXPECT_TRUE(roster.isSpeaking(0));
    EXPECT_FALSE(roster.isSpeaking(1));
    const auto joined = roster.joinedAt(0);
    ASSERT_TRUE(joined.has_value());
    EXPECT_EQ(*joined, wallNow);
    recorder.take();

    steadyNow += 10s;
    wallNow += 10s;
    roster.applyMemberList(list({ item("a", "1111111", 1, 1, 0), item("b", "2222222", 1, 1, 0) }));
    EXPECT_TRUE(roster.isSpeaking(0));
    EXPECT_EQ(roster.nextHoldExpiry(), steadyNow + 2s);
    EXPECT_EQ(recorder.take(), (Strings { "hold" }));

    steadyNow += 1999ms;
    roster.expireHolds();
    EXPECT_TRUE(roster.isSpeaking(0));
    EXPECT_TRUE(recorder.take().empty());

    steadyNow += 1ms;
    roster.expireHolds();
    EXPECT_FALSE(roster.isSpeaking(0));
    EXPECT_EQ(roster.nextHoldExpiry(), std::nullopt);
    EXPECT_EQ(recorder.take(), (Strings { "~J0-0", "hold" }));
    EXPECT_EQ(roster.joinedAt(0), joined);

    // Talking again within the hold keeps the mark without a change.
    roster.applyMemberList(item("b", "2222222", 1, 1, 1));
    roster.applyMemberList(item("b", "2222222", 1, 1, 0));
    recorder.take();
    steadyNow += 1s;
    roster.applyMemberList(item("b", "2222222", 1, 1, 1));
    EXPECT_EQ(roster.nextHoldExpiry(), std::nullopt);
    EXPECT_EQ(recorder.take(), (Strings { "hold" }));
    EXPECT_TRUE(roster.isSpeaking(1));

    // A member who leaves and comes back has joined again.
    wallNow += 1min;
    roster.applyMemberList(item("b", "2222222", 3));
    roster.applyMemberList(item("b", "2222222", 1));
    EXPECT_EQ(roster.joinedAt(roster.rowOf(RosterList::Joined, "2222222")), wallNow);
}

TEST_F(LiveRosterTest, MemberWithoutPhoneIsIgnored)
{
    roster.add(participant("张三", "1111111"));
    roster.loadRunning();
    recorder.take();
    roster.applyMemberList(list({ "| |1|1|0", "||1|1|0" }));
    EXPECT_TRUE(recorder.take().empty());
    EXPECT_EQ(entryPhones(RosterList::Waiting), (Strings { "1111111" }));
}

} // namespace
