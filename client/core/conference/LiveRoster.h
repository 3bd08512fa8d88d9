#pragma once

#include "core/addressbook/ContactRecord.h"
#include "core/conference/MemberCommand.h"
#include "core/conference/RosterClock.h"
#include "core/conference/RosterEntries.h"
#include "core/conference/RosterObserver.h"
#include "core/conference/RosterRows.h"
#include "core/conference/RosterRules.h"

#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The participants of the instant-meeting page: the waiting and joined arrays, the
// rows each list shows under the filter, and the rules that move members between
// them while composing, while the conference runs and when it ends. The page owns
// one; its two list models and the page itself watch it through RosterObserver.
//
// A member list from the monitor never rebuilds a list: a member whose state changed
// is one changed row, a member who moved is one removal and one insertion, and every
// look-up goes through the phone indexes. Only a new filter rebuilds the lists.
//
// Besides the lists the roster keeps, per joined phone, when the member joined and
// whether the member is speaking; "speaking" outlasts the talker flag by a short hold
// so that the mark does not flicker between words.
class LiveRoster {
public:
    struct Counters {
        int total = 0;
        int waiting = 0;
        int joined = 0;
        bool operator==(const Counters&) const = default;
    };

    // The participants' fields of the create request: phones and names joined with
    // ",", item for item (an unnamed participant leaves an empty name item).
    struct StartLists {
        std::string phones;
        std::string names;
        int count = 0;
    };

    static constexpr int kRepaintRows = 20;
    static constexpr std::chrono::milliseconds kSpeakingHold { 2000 };

    explicit LiveRoster(RosterClock clock = RosterClock::system());
    LiveRoster(const LiveRoster&) = delete;
    LiveRoster& operator=(const LiveRoster&) = delete;

    // Observers must stay alive until they are removed.
    void addObserver(RosterObserver* observer);
    void removeObserver(RosterObserver* observer);

    bool running() const { return m_running; }
    // A running conference was loaded: operation texts for running, and the joined
    // list may ask for its one repaint again.
    void loadRunning();
    // Composing (a new or relaunched meeting). The rows keep their texts.
    void loadComposing();
    // Empty filter, lists, arrays and live state (a new composition).
    void clear();

    // A participant typed, picked from the address book or imported: shown in the
    // waiting list (an existing row with the same phone only gets its operation
    // rewritten) and kept in the waiting array unless a phone there contains its phone.
    void add(const ContactRecord& entry);
    // The participants of a conference launched again: phones and names split at ",",
    // blanks on the right dropped; a participant without a phone is skipped.
    void addFromConference(std::string_view phones, std::string_view names);
    // The participants as the create request sends them. With a filter in the search
    // box they are the whole waiting array, not only the rows the filter leaves.
    StartLists collectForStart() const;

    // Rebuilds both lists from their arrays, showing the entries whose name or phone
    // contains the text.
    void setFilter(std::string filter);
    const std::string& filter() const { return m_filter; }

    // Applies a member list ("name|phone|callstate|speakstate|activetalker" items).
    // Returns true when the page should repaint itself whole: the joined list has just
    // grown past kRepaintRows for the first time since the conference was loaded.
    // complete: the list is the whole roster after a time nobody watched (a monitor
    // reconnect), so joined members it does not hold in the conference go back to
    // the waiting list first.
    bool applyMemberList(std::string_view phoneList, bool complete = false);
    bool applyMembers(const std::vector<ContactRecord>& members);

    // The conference ended: every joined member except the host goes back to the
    // waiting list and array, the joined list and array are emptied, and every
    // waiting row reads "删除".
    void conferenceEnded(std::string_view hostNumber);

    // A click on word `word` of the operation cell of a shown row. Applies what the
    // click changes in the lists and returns the control command to send, if any.
    // A member removed while the conference runs stays out of the lists until it
    // joins again or is added again: a member list sent before the service heard of
    // the removal still holds it.
    std::optional<MemberCommand> clickWord(RosterList list, int row, int word);

    int rowCount(RosterList list) const { return rows(list).count(); }
    const RosterRow& row(RosterList list, int row) const { return rows(list).at(row); }
    // The shown row with this phone, or -1.
    int rowOf(RosterList list, std::string_view phone) const { return rows(list).rowOf(phone); }
    const RosterEntries& entries(RosterList list) const
    {
        return list == RosterList::Waiting ? m_waitingEntries : m_joinedEntries;
    }
    Counters counters() const;

    // Whether the member of a shown joined row is speaking (or was, within the hold).
    bool isSpeaking(int joinedRow) const;
    // When the member of a shown joined row was first seen in the conference.
    std::optional<std::chrono::system_clock::time_point> joinedAt(int joinedRow) const;
    // The earliest end of a speaking hold; call expireHolds() then.
    std::optional<std::chrono::steady_clock::time_point> nextHoldExpiry() const;
    // How long until then by the roster's clock (zero when already due), for a timer.
    std::optional<std::chrono::milliseconds> untilNextHoldExpiry() const;
    // Ends the holds that are due; their rows are reported changed.
    void expireHolds();

private:
    using SteadyTime = std::chrono::steady_clock::time_point;

    struct Presence {
        std::chrono::system_clock::time_point joinedAt;
        bool talking = false; // the service's flag
        bool speaking = false; // what the list shows: the flag, or its hold
        std::optional<SteadyTime> holdUntil;
    };

    struct PhoneHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view phone) const { return std::hash<std::string_view> {}(phone); }
    };

    RosterRows& rows(RosterList list) { return list == RosterList::Waiting ? m_waitingRows : m_joinedRows; }
    const RosterRows& rows(RosterList list) const { return list == RosterList::Waiting ? m_waitingRows : m_joinedRows; }

    void join(const ContactRecord& member);
    void leave(const ContactRecord& member);
    void showWaiting(const ContactRecord& entry);
    void showJoined(const ContactRecord& member, bool speakingChanged);
    void keep(RosterEntries& entries, const ContactRecord& entry);
    // Returns whether what the list shows as speaking changed.
    bool updatePresence(const ContactRecord& member);
    void forgetPresence(std::string_view phone);
    void expireDueHolds();
    void rebuild(RosterList list);

    void appendRow(RosterList list, RosterRow row);
    void removeRow(RosterList list, int row);
    void rowChanged(RosterList list, int row);
    void notifyCounters();
    void notifyHoldExpiry(const std::optional<SteadyTime>& before);
    template <typename F> void notify(F&& f);

    RosterClock m_clock;
    std::vector<RosterObserver*> m_observers;
    bool m_running = false;
    bool m_repainted = false; // the joined list's one repaint in this conference
    std::string m_filter;
    RosterEntries m_waitingEntries;
    RosterEntries m_joinedEntries;
    RosterRows m_waitingRows;
    RosterRows m_joinedRows;
    Counters m_counters;
    std::unordered_map<std::string, Presence, PhoneHash, std::equal_to<>> m_presence;
    std::set<std::pair<SteadyTime, std::string>, std::less<>> m_holds;
    std::set<std::string, std::less<>> m_removed; // phones removed while running
};
