#pragma once

#include "core/conference/ConferenceCommand.h"
#include "core/conference/ConferenceRecord.h"

#include <QString>

#include <string>

class CCvService;
struct Credentials;

// What a create or control call came to. The result code is the first field of the
// result text's first row; for a create, a first field longer than nine characters
// is the new conference's id instead. A refusal carries the service's text for its
// code; an exchange that failed is a failure with the connection-loss text, never
// taken for a success.
struct ConferenceReply {
    std::string resultText;
    std::string conferenceId; // a created conference's id; empty otherwise
    int code = -1;
    QString message;

    bool succeeded() const { return code == 0; }
};

namespace conferenceReply {

// A first field that names a running conference.
inline constexpr std::size_t kMinimumIdLength = 10;

// Reads a create's result text: the id, or an error code (atol rules).
ConferenceReply readCreateResult(const std::string& resultText);
// Reads a control's result text: the code at the start of its first row; an empty
// text reads as success.
ConferenceReply readControlResult(const std::string& resultText);
// Gives a refusal the service's words for its code (GetSysMsgInfo), and makes an
// exchange that failed (status not 0) a failure with the connection-loss text.
void explain(CCvService& service, int status, ConferenceReply& reply);

} // namespace conferenceReply

// Starts an instant conference: createConference with the record's fields. A
// ServiceCall job; the record is its own copy.
class CreateConferenceJob {
public:
    explicit CreateConferenceJob(ConferenceRecord record)
        : m_record(std::move(record))
    {
    }

    ConferenceReply operator()(CCvService& service, const Credentials& who) const;

private:
    ConferenceRecord m_record;
};

// One ConferenceControl call on a running conference. A ServiceCall job.
class ConferenceControlJob {
public:
    ConferenceControlJob(std::string conferenceId, ConferenceCommand command, std::string phoneId = {})
        : m_conferenceId(std::move(conferenceId))
        , m_command(command)
        , m_phoneId(std::move(phoneId))
    {
    }

    ConferenceReply operator()(CCvService& service, const Credentials& who) const;

private:
    std::string m_conferenceId;
    ConferenceCommand m_command;
    std::string m_phoneId;
};
