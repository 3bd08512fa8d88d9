#pragma once

#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace cvservice {

// How fast and how long the members of a churning conference change.
struct ChurnPace {
    int changesPerSecond = 10;
    std::chrono::seconds duration { 600 };
};

// The three live states of one member, as the monitor's member list carries them.
struct ChurnState {
    int callstate = 0;
    int speakstate = 0;
    int activetalker = 0;

    bool operator==(const ChurnState&) const = default;
};

// What a churn has done so far, for whoever checks a watcher against it.
struct ChurnRecord {
    std::vector<std::string> phones; // the members that churn
    std::vector<std::vector<ChurnState>> history; // by member: every state it was put in, the first state first
    int made = 0; // changes made
    int planned = 0;
    bool begun = false;
    bool ended = false; // the conference has ended (told by the simulation)
};

// A load for watchers of the live view: the members of one conference change state
// at a steady pace for a set time, after which the conference ends. Every change
// moves one member to another of the states a live view tells apart; the members
// take turns in one fixed shuffled order, so two changes of a member are always a
// whole round apart and a watcher that keeps up sees each of them. The clock starts
// with begin(), when the conference is first watched, so no change happens unseen.
//
// Change k (from 0) is due (k + 1/2) / changesPerSecond seconds after the beginning,
// and the end is due at the whole duration, half a period after the last change.
class MemberChurn {
public:
    using Time = std::chrono::steady_clock::time_point;

    // The states a member takes: ringing, listening, speaking, talking, muted, hung
    // up and not answered.
    static const std::vector<ChurnState>& states();

    // phones: the members that churn, in the conference's order.
    MemberChurn(std::vector<std::string> phones, ChurnPace pace, std::uint32_t seed);

    const std::vector<std::string>& phones() const { return m_phones; }
    ChurnState initial(std::size_t member) const { return m_history[member].front(); }

    void begin(Time now);
    bool begun() const { return m_begun; }

    // When the next change is due, or the end once every change is made;
    // Time::max() before the beginning.
    Time nextDue() const;
    bool finished() const { return m_turn == m_planned; }

    // The member due next, by its index in phones().
    std::size_t nextMember() const;
    // Moves the member due next from current to another state, records it and
    // returns it.
    ChurnState change(const ChurnState& current);
    // Passes over the member due next (it has left the conference); nothing is recorded.
    void skip();

    ChurnRecord record() const;

private:
    std::vector<std::string> m_phones;
    ChurnPace m_pace;
    std::mt19937 m_random;
    std::vector<std::size_t> m_order; // whose turn it is, round after round
    std::vector<std::vector<ChurnState>> m_history;
    Time m_begin;
    bool m_begun = false;
    int m_turn = 0; // changes made or passed over
    int m_made = 0;
    int m_planned = 0;
};

} // namespace cvservice
