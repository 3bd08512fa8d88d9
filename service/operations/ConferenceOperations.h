#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>

namespace cvservice {

class OperationTable;
struct Conference;
struct ServiceContext;
struct SoapRequest;

// Instant and booked conferences, live control and the conference lists.
class ConferenceOperations {
public:
    static constexpr std::size_t kMaxTopicBytes = 1024; // UTF-8
    static constexpr std::size_t kMaxParticipants = 200;

    explicit ConferenceOperations(ServiceContext& context);
    void install(OperationTable& table);

    // The service-side rules of a booking time: not in the past (a little slack for
    // clocks and round trips), at most 30 whole days ahead. 0 or a status code.
    static int checkBookingTime(std::time_t meeting, std::time_t now);

private:
    std::string create(const SoapRequest& request);
    std::string modifyBooking(const SoapRequest& request);
    std::string control(const SoapRequest& request);
    std::string meetingStatus(const SoapRequest& request);
    std::string memberStatus(const SoapRequest& request);
    std::string current(const SoapRequest& request);
    std::string booked(const SoapRequest& request);
    std::string past(const SoapRequest& request);

    // Fills the participant, host and topic fields from a request; 0 or a status.
    int readComposition(const SoapRequest& request, Conference& conference) const;
    // 0 when the caller may act on the conference, else the status that refuses it.
    int ownership(const std::string& owner, const std::string& conferenceId, std::optional<Conference>& found) const;

    ServiceContext& m_context;
};

} // namespace cvservice
