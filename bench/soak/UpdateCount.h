#pragma once

#include "MemberLook.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// The service's churn held against what the client's roster showed, member by
// member. For one member, S is the service's states (its first one and one per
// change) and C the states the roster showed (repeats left out); their longest
// common subsequence is what the roster followed in order.
struct UpdateCount {
    using ServiceStates = std::map<std::string, std::vector<MemberLook>>;
    using ShownStates = std::unordered_map<std::string, std::vector<MemberLook>>;

    long long sent = 0; // changes the service made
    // States of S the roster never showed in their place: |S| - LCS, summed. A first
    // state missed counts like a change, so that a roster that never showed a member
    // cannot look as if it had nothing to show.
    long long missed = 0;
    long long unexpected = 0; // states of C the service never set there: |C| - LCS, summed
    long long finalMismatches = 0; // members whose last shown state is not the service's last

    long long applied() const { return sent > missed ? sent - missed : 0; }

    // Members the service names and the roster never showed count as shown nothing;
    // members only the roster shows (the host's own line) are not part of the churn.
    static UpdateCount of(const ServiceStates& service, const ShownStates& shown);
};
