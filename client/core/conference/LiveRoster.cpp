#include "core/conference/LiveRoster.h"

#include "core/conference/MemberListText.h"
#include "core/conference/ParticipantText.h"

#include <algorithm>

LiveRoster::LiveRoster(RosterClock clock)
    : m_clock(std::move(clock))
{
}

void LiveRoster::addObserver(RosterObserver* observer)
{
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void LiveRoster::removeObserver(RosterObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

template <typename F> void LiveRoster::notify(F&& f)
{
    // By index: an observer may remove itself while it is told.
    for (std::size_t i = 0; i < m_observers.size(); ++i)
        f(*m_observers[i]);
}

void LiveRoster::loadRunning()
{
    m_running = true;
    m_repainted = false;
    m_removed.clear();
}

void LiveRoster::loadComposing()
{
    m_running = false;
}

void LiveRoster::clear()
{
    const std::optional<SteadyTime> holdBefore = nextHoldExpiry();
    m_filter.clear();
    m_presence.clear();
    m_holds.clear();
    m_removed.clear();
    for (RosterList list : { RosterList::Waiting, RosterList::Joined }) {
        notify([list](RosterObserver& o) { o.listAboutToBeReset(list); });
        rows(list).clear();
        (list == RosterList::Waiting ? m_waitingEntries : m_joinedEntries).clear();
        notify([list](RosterObserver& o) { o.listReset(list); });
    }
    notifyCounters();
    notifyHoldExpiry(holdBefore);
}

// --- rows and notifications ---------------------------------------------------------

void LiveRoster::appendRow(RosterList list, RosterRow row)
{
    RosterRows& shown = rows(list);
    const int number = shown.count();
    notify([&](RosterObserver& o) { o.rowsAboutToBeInserted(list, number, number); });
    shown.append(std::move(row));
    notify([&](RosterObserver& o) { o.rowsInserted(list); });
}

void LiveRoster::removeRow(RosterList list, int row)
{
    notify([&](RosterObserver& o) { o.rowsAboutToBeRemoved(list, row, row); });
    rows(list).remove(row);
    notify([&](RosterObserver& o) { o.rowsRemoved(list); });
}

void LiveRoster::rowChanged(RosterList list, int row)
{
    notify([&](RosterObserver& o) { o.rowsChanged(list, row, row); });
}

LiveRoster::Counters LiveRoster::counters() const
{
    const int waiting = m_waitingRows.count();
    const int joined = m_joinedRows.count();
    return { waiting + joined, waiting, joined };
}

void LiveRoster::notifyCounters()
{
    const Counters now = counters();
    if (now == m_counters)
        return;
    m_counters = now;
    notify([](RosterObserver& o) { o.countersChanged(); });
}

void LiveRoster::notifyHoldExpiry(const std::optional<SteadyTime>& before)
{
    if (nextHoldExpiry() != before)
        notify([](RosterObserver& o) { o.holdExpiryChanged(); });
}

// --- composing ----------------------------------------------------------------------

void LiveRoster::showWaiting(const ContactRecord& entry)
{
    const WaitingOperation operation = RosterRules::waitingOperation(m_running, entry.callstate);
    const int existing = m_waitingRows.rowOf(entry.phone);
    if (existing < 0) {
        appendRow(RosterList::Waiting, { entry.addressno, entry.addressname, entry.phone, operation, {} });
        return;
    }
    RosterRow& row = m_waitingRows.at(existing);
    if (row.operation != operation) {
        row.operation = operation;
        rowChanged(RosterList::Waiting, existing);
    }
}

void LiveRoster::keep(RosterEntries& entries, const ContactRecord& entry)
{
    // An entry stored under exactly this phone follows the member's states, so that a
    // list rebuilt for a new filter shows what the last member list said.
    if (!entries.updateStates(entry.phone, entry.callstate, entry.speakstate, entry.activetalker))
        entries.add(entry);
}

void LiveRoster::add(const ContactRecord& entry)
{
    m_removed.erase(entry.phone);
    showWaiting(entry);
    m_waitingEntries.add(entry);
    notifyCounters();
}

void LiveRoster::addFromConference(std::string_view phones, std::string_view names)
{
    for (const ContactRecord& entry : ParticipantText::split(phones, names))
        add(entry);
}

LiveRoster::StartLists LiveRoster::collectForStart() const
{
    StartLists lists;
    const auto collect = [&lists](std::string_view name, std::string_view phone) {
        if (lists.count > 0) {
            lists.phones += ',';
            lists.names += ',';
        }
        lists.phones += phone;
        ParticipantText::appendName(lists.names, name);
        ++lists.count;
    };
    if (m_filter.empty()) {
        for (int r = 0; r < m_waitingRows.count(); ++r)
            collect(m_waitingRows.at(r).name, m_waitingRows.at(r).phone);
    } else {
        // The filter only narrows what the list shows; it must not narrow whom the
        // conference calls. The array is what the list shows once the box is cleared.
        for (const ContactRecord& entry : m_waitingEntries)
            collect(entry.addressname, entry.phone);
    }
    return lists;
}

void LiveRoster::setFilter(std::string filter)
{
    if (filter == m_filter)
        return;
    m_filter = std::move(filter);
    rebuild(RosterList::Waiting);
    rebuild(RosterList::Joined);
    notifyCounters();
}

void LiveRoster::rebuild(RosterList list)
{
    notify([list](RosterObserver& o) { o.listAboutToBeReset(list); });
    RosterRows& shown = rows(list);
    shown.clear();
    for (const ContactRecord& entry : entries(list)) {
        if (!RosterRules::passesFilter(entry.addressname, entry.phone, m_filter) || shown.rowOf(entry.phone) >= 0)
            continue;
        RosterRow row { entry.addressno, entry.addressname, entry.phone, {}, {} };
        if (list == RosterList::Waiting)
            row.operation = RosterRules::waitingOperation(m_running, entry.callstate);
        else
            row.status = RosterRules::statusOf(entry.speakstate);
        shown.append(std::move(row));
    }
    notify([list](RosterObserver& o) { o.listReset(list); });
}

// --- the running conference ---------------------------------------------------------

bool LiveRoster::applyMemberList(std::string_view phoneList, bool complete)
{
    std::vector<ContactRecord> members = MemberListText::decode(phoneList);
    if (complete) {
        // Whoever the list no longer holds in the conference left while nobody watched.
        std::set<std::string, std::less<>> inConference;
        for (const ContactRecord& member : members) {
            if (member.callstate == 1)
                inConference.insert(member.phone);
        }
        std::vector<ContactRecord> gone;
        for (const ContactRecord& entry : m_joinedEntries) {
            if (!inConference.contains(entry.phone)) {
                gone.push_back(entry);
                gone.back().callstate = 3;
            }
        }
        members.insert(members.begin(), gone.begin(), gone.end());
    }
    return applyMembers(members);
}

bool LiveRoster::applyMembers(const std::vector<ContactRecord>& members)
{
    const std::optional<SteadyTime> holdBefore = nextHoldExpiry();
    notify([](RosterObserver& o) { o.memberListBegins(); });
    expireDueHolds();
    for (const ContactRecord& member : members) {
        // A member without a phone names nobody, and as a prefix it would match every
        // entry of the other array.
        if (member.phone.empty())
            continue;
        if (member.callstate == 1) {
            m_removed.erase(member.phone);
            join(member);
        } else if (!m_removed.contains(member.phone)) {
            leave(member);
        }
    }
    notify([](RosterObserver& o) { o.memberListEnds(); });
    notifyCounters();
    notifyHoldExpiry(holdBefore);
    if (m_repainted || m_joinedRows.count() <= kRepaintRows)
        return false;
    m_repainted = true;
    notify([](RosterObserver& o) { o.repaintWanted(); });
    return true;
}

void LiveRoster::join(const ContactRecord& member)
{
    if (const int waiting = m_waitingRows.rowOf(member.phone); waiting >= 0)
        removeRow(RosterList::Waiting, waiting);
    m_waitingEntries.removeByPrefixes(member.addressname, member.phone);
    const bool speakingChanged = updatePresence(member);
    if (RosterRules::passesFilter(member.addressname, member.phone, m_filter))
        showJoined(member, speakingChanged);
    keep(m_joinedEntries, member);
}

void LiveRoster::leave(const ContactRecord& member)
{
    if (const int joined = m_joinedRows.rowOf(member.phone); joined >= 0)
        removeRow(RosterList::Joined, joined);
    m_joinedEntries.removeByPrefixes(member.addressname, member.phone);
    forgetPresence(member.phone);
    if (RosterRules::passesFilter(member.addressname, member.phone, m_filter))
        showWaiting(member);
    keep(m_waitingEntries, member);
}

void LiveRoster::showJoined(const ContactRecord& member, bool speakingChanged)
{
    const MemberStatus status = RosterRules::statusOf(member.speakstate);
    const int existing = m_joinedRows.rowOf(member.phone);
    if (existing < 0) {
        appendRow(RosterList::Joined, { member.addressno, member.addressname, member.phone, {}, status });
        return;
    }
    RosterRow& row = m_joinedRows.at(existing);
    const bool statusChanged = row.status != status;
    row.status = status;
    if (statusChanged || speakingChanged)
        rowChanged(RosterList::Joined, existing);
}

void LiveRoster::conferenceEnded(std::string_view hostNumber)
{
    const std::optional<SteadyTime> holdBefore = nextHoldExpiry();
    m_running = false;
    const auto returnToWaiting = [this](const ContactRecord& entry) {
        showWaiting(entry);
        m_waitingEntries.add(entry);
    };
    for (int r = 0; r < m_joinedRows.count(); ++r) {
        const RosterRow& row = m_joinedRows.at(r);
        if (row.phone == hostNumber)
            continue;
        if (const ContactRecord* entry = m_joinedEntries.find(row.phone)) {
            returnToWaiting(*entry);
        } else {
            ContactRecord shown;
            shown.addressno = row.addressno;
            shown.addressname = row.name;
            shown.phone = row.phone;
            returnToWaiting(shown);
        }
    }
    // Members the filter hid were in the conference as much as the shown ones.
    for (const ContactRecord& entry : m_joinedEntries) {
        if (entry.phone == hostNumber || m_joinedRows.rowOf(entry.phone) >= 0)
            continue;
        if (RosterRules::passesFilter(entry.addressname, entry.phone, m_filter))
            showWaiting(entry);
        m_waitingEntries.add(entry);
    }
    if (!m_joinedRows.empty()) {
        const int last = m_joinedRows.count() - 1;
        notify([last](RosterObserver& o) { o.rowsAboutToBeRemoved(RosterList::Joined, 0, last); });
        m_joinedRows.clear();
        notify([](RosterObserver& o) { o.rowsRemoved(RosterList::Joined); });
    }
    m_joinedEntries.clear();
    m_presence.clear();
    m_holds.clear();
    m_removed.clear();

    int first = -1;
    int last = -1;
    for (int r = 0; r < m_waitingRows.count(); ++r) {
        RosterRow& row = m_waitingRows.at(r);
        if (row.operation == WaitingOperation::Delete)
            continue;
        row.operation = WaitingOperation::Delete;
        if (first < 0)
            first = r;
        last = r;
    }
    if (first >= 0)
        notify([first, last](RosterObserver& o) { o.rowsChanged(RosterList::Waiting, first, last); });
    notifyCounters();
    notifyHoldExpiry(holdBefore);
}

std::optional<MemberCommand> LiveRoster::clickWord(RosterList list, int row, int word)
{
    if (row < 0 || row >= rowCount(list))
        return std::nullopt;
    RosterRow& clicked = rows(list).at(row);
    const std::string phoneAndName = clicked.phone + ',' + clicked.name;
    if (list == RosterList::Waiting && word == 0) {
        std::optional<MemberCommand> command;
        if (m_running) {
            command = MemberCommand { MemberCommand::Remove, clicked.phone };
            m_removed.insert(clicked.phone);
        }
        // The entry goes with its row, or the next filter would bring the deleted
        // participant back. A row that has no entry of its own leaves the array alone.
        const std::string phone = clicked.phone;
        removeRow(RosterList::Waiting, row);
        m_waitingEntries.remove(phone);
        notifyCounters();
        return command;
    }
    if (!m_running)
        return std::nullopt;
    if (list == RosterList::Waiting && word == 1) {
        if (clicked.operation == WaitingOperation::Delete)
            return std::nullopt; // a one-word cell has no second word
        const bool call = clicked.operation == WaitingOperation::DeleteCall;
        clicked.operation = call ? WaitingOperation::DeleteHangUp : WaitingOperation::DeleteCall;
        rowChanged(RosterList::Waiting, row);
        return MemberCommand { call ? MemberCommand::Call : MemberCommand::HangUp, phoneAndName };
    }
    if (list == RosterList::Joined && word == 0) {
        const int number
            = clicked.status == MemberStatus::Muted ? MemberCommand::LetSpeak : MemberCommand::SpeakControl;
        return MemberCommand { number, phoneAndName };
    }
    if (list == RosterList::Joined && word == 1)
        return MemberCommand { MemberCommand::HangUp, phoneAndName };
    return std::nullopt;
}

// --- who is speaking ----------------------------------------------------------------

bool LiveRoster::updatePresence(const ContactRecord& member)
{
    auto [found, isNew] = m_presence.try_emplace(member.phone);
    Presence& presence = found->second;
    if (isNew)
        presence.joinedAt = m_clock.wall();
    const bool before = presence.speaking;
    if (member.activetalker == 1) {
        if (presence.holdUntil) {
            m_holds.erase({ *presence.holdUntil, member.phone });
            presence.holdUntil.reset();
        }
        presence.talking = true;
        presence.speaking = true;
    } else if (presence.talking) {
        presence.talking = false;
        presence.holdUntil = m_clock.steady() + kSpeakingHold;
        m_holds.emplace(*presence.holdUntil, member.phone);
    }
    return presence.speaking != before;
}

void LiveRoster::forgetPresence(std::string_view phone)
{
    const auto found = m_presence.find(phone);
    if (found == m_presence.end())
        return;
    if (found->second.holdUntil)
        m_holds.erase({ *found->second.holdUntil, found->first });
    m_presence.erase(found);
}

void LiveRoster::expireDueHolds()
{
    if (m_holds.empty())
        return;
    const SteadyTime now = m_clock.steady();
    while (!m_holds.empty() && m_holds.begin()->first <= now) {
        const std::string phone = m_holds.begin()->second;
        m_holds.erase(m_holds.begin());
        const auto found = m_presence.find(phone);
        if (found == m_presence.end())
            continue;
        found->second.holdUntil.reset();
        found->second.speaking = false;
        if (const int row = m_joinedRows.rowOf(phone); row >= 0)
            rowChanged(RosterList::Joined, row);
    }
}

void LiveRoster::expireHolds()
{
    const std::optional<SteadyTime> before = nextHoldExpiry();
    expireDueHolds();
    notifyHoldExpiry(before);
}

std::optional<std::chrono::steady_clock::time_point> LiveRoster::nextHoldExpiry() const
{
    if (m_holds.empty())
        return std::nullopt;
    return m_holds.begin()->first;
}

std::optional<std::chrono::milliseconds> LiveRoster::untilNextHoldExpiry() const
{
    const std::optional<SteadyTime> next = nextHoldExpiry();
    if (!next)
        return std::nullopt;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*next - m_clock.steady());
    return std::max(left, std::chrono::milliseconds::zero());
}

bool LiveRoster::isSpeaking(int joinedRow) const
{
    if (joinedRow < 0 || joinedRow >= m_joinedRows.count())
        return false;
    const auto found = m_presence.find(m_joinedRows.at(joinedRow).phone);
    return found != m_presence.end() && found->second.speaking;
}

std::optional<std::chrono::system_clock::time_point> LiveRoster::joinedAt(int joinedRow) const
{
    if (joinedRow < 0 || joinedRow >= m_joinedRows.count())
        return std::nullopt;
    const auto found = m_presence.find(m_joinedRows.at(joinedRow).phone);
    if (found == m_presence.end())
        return std::nullopt;
    return found->second.joinedAt;
}
