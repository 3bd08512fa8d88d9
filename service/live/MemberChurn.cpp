#include "MemberChurn.h"

#include <algorithm>

namespace cvservice {

const std::vector<ChurnState>& MemberChurn::states()
{
    static const std::vector<ChurnState> all {
        { 0, 1, 0 }, // ringing
        { 1, 0, 0 }, // listening
        { 1, 1, 0 }, // speaking
        { 1, 1, 1 }, // talking
        { 1, 2, 0 }, // muted
        { 2, 1, 0 }, // hung up
        { 3, 1, 0 }, // not answered
    };
    return all;
}

MemberChurn::MemberChurn(std::vector<std::string> phones, ChurnPace pace, std::uint32_t seed)
    : m_phones(std::move(phones))
    , m_pace(pace)
    , m_random(seed)
{
    m_order.resize(m_phones.size());
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = i;
    std::shuffle(m_order.begin(), m_order.end(), m_random);
    std::uniform_int_distribution<std::size_t> pick(0, states().size() - 1);
    m_history.reserve(m_phones.size());
    for (std::size_t i = 0; i < m_phones.size(); ++i)
        m_history.push_back({ states()[pick(m_random)] });
    if (!m_phones.empty() && m_pace.changesPerSecond > 0 && m_pace.duration.count() > 0)
        m_planned = static_cast<int>(m_pace.changesPerSecond * m_pace.duration.count());
}

void MemberChurn::begin(Time now)
{
    if (m_begun)
        return;
    m_begun = true;
    m_begin = now;
}

MemberChurn::Time MemberChurn::nextDue() const
{
    if (!m_begun)
        return Time::max();
    if (finished())
        return m_begin + m_pace.duration;
    const long long halfPeriods = 2LL * m_turn + 1;
    return m_begin + std::chrono::nanoseconds(halfPeriods * 1'000'000'000LL / (2LL * m_pace.changesPerSecond));
}

std::size_t MemberChurn::nextMember() const
{
    return m_order[static_cast<std::size_t>(m_turn) % m_order.size()];
}

ChurnState MemberChurn::change(const ChurnState& current)
{
    const std::vector<ChurnState>& all = states();
    std::vector<ChurnState> others;
    std::copy_if(all.begin(), all.end(), std::back_inserter(others), [&](const ChurnState& s) { return s != current; });
    const ChurnState next = others[std::uniform_int_distribution<std::size_t>(0, others.size() - 1)(m_random)];
    m_history[nextMember()].push_back(next);
    ++m_turn;
    ++m_made;
    return next;
}

ChurnRecord MemberChurn::record() const
{
    return { m_phones, m_history, m_made, m_planned, m_begun };
}

void MemberChurn::skip()
{
    ++m_turn;
}

} // namespace cvservice
