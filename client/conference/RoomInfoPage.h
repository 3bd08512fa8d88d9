#pragma once

#include "core/conference/DialInNumbers.h"
#include "core/conference/RoomInfo.h"

#include <QWidget>

#include <array>

class CButtonPNG;
class CTransparentStatic;
class ServiceCall;
class SessionState;
struct RoomInfoReply;

// "会议室": the passwords of the subscriber's conference room, the numbers its
// participants dial in through (the set the room's note number chooses), and
// "重置密码", which has new passwords issued and shows them.
class RoomInfoPage : public QWidget {
    Q_OBJECT
public:
    explicit RoomInfoPage(SessionState& session, QWidget* parent = nullptr);

    // Loads the room under the progress dialog (signed in only).
    void LoadRoomInfo();
    // New passwords, then the room loaded again.
    void resetPasswords();

    const RoomInfo& room() const { return m_room; }

protected:
    bool event(QEvent* event) override;

private:
    void load(bool withReset);
    void roomLoaded(const RoomInfoReply& reply);
    void showRoom();

    SessionState& m_session;
    ServiceCall* m_calls;
    RoomInfo m_room;
    CTransparentStatic* m_hostPassword = nullptr;
    CTransparentStatic* m_participantPassword = nullptr;
    std::array<CTransparentStatic*, DialInNumbers::kCount> m_dialIn {};
    CButtonPNG* m_resetButton = nullptr;
};
