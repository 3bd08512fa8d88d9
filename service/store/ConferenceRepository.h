#pragma once

#include "store/Conference.h"

#include <optional>
#include <string>
#include <vector>

namespace cvservice {

class Database;

class ConferenceRepository {
public:
    explicit ConferenceRepository(Database& db);

    // A new id: the 14-digit creation stamp and a four-digit sequence number, so it
    // is always longer than any status code.
    std::string nextId(const std::string& stamp);

    void insert(const Conference& conference);
    std::optional<Conference> find(const std::string& id) const;
    void updateBooking(const Conference& conference);
    void setState(const std::string& id, ConferenceState state, const std::string& endtime = {});

    std::vector<Conference> list(const std::string& owner, ConferenceState state) const;
    std::vector<Conference> due(const std::string& now) const; // booked, time reached

    // Conferences left "running" by an earlier process cannot be running any more.
    int endAbandoned(const std::string& now);

private:
    Database& m_db;
};

} // namespace cvservice
