#pragma once

#include <string>

class CCvService;
struct Credentials;

// The raw answers of a room load; the page reads them into its RoomInfo, which keeps
// its values where an answer brought no text.
struct RoomInfoReply {
    std::string roomText; // GetClientRoomInfo
    std::string noteText; // GetClientNoteNo
};

// The room load as a ServiceCall job: GetClientRoomInfo, then GetClientNoteNo. With
// withReset, ModifyClientRoomInfo first has new passwords issued (its answer is not
// read: the load shows what the room now has).
class RoomInfoJob {
public:
    explicit RoomInfoJob(bool withReset = false)
        : m_withReset(withReset)
    {
    }

    RoomInfoReply operator()(CCvService& service, const Credentials& who) const;

private:
    bool m_withReset;
};
