#include "core/conference/RoomInfoJob.h"

#include "core/service/ServiceJob.h"

RoomInfoReply RoomInfoJob::operator()(CCvService& service, const Credentials& who) const
{
    if (m_withReset) {
        int ignored = 0;
        service.ModifyClientRoomInfo(who.account.c_str(), who.password.c_str(), ignored);
    }
    RoomInfoReply reply;
    // Whatever a failed exchange left in its text is no answer.
    if (service.GetClientRoomInfo(who.account.c_str(), who.password.c_str(), reply.roomText) != 0)
        reply.roomText.clear();
    if (service.GetClientNoteNo(who.account.c_str(), who.password.c_str(), reply.noteText) != 0)
        reply.noteText.clear();
    return reply;
}
