// The monitor stream as the live view takes it: bytes arriving in pieces of any size,
// cut into objects, decoded, and applied to the roster of a running conference. The
// roster's phone index must keep pointing at the right rows whatever arrives.
#include "core/conference/LiveRoster.h"
#include "core/conference/MonitorMessageDecoder.h"
#include "core/conference/MonitorSocket.h"

#include "common/JsonObjectSplitter.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

namespace {

void checkPhoneIndex(const LiveRoster& roster, RosterList list)
{
    for (int row = 0; row < roster.rowCount(list); ++row) {
        if (roster.rowOf(list, roster.row(list, row).phone) != row)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    LiveRoster roster;
    roster.loadRunning();
    corvana::JsonObjectSplitter splitter(MonitorSocket::kMaxMessageBytes);
    bool complete = true;
    while (input.remaining_bytes() > 0) {
        if (!splitter.append(input.ConsumeRandomLengthString(4096)))
            splitter = corvana::JsonObjectSplitter(MonitorSocket::kMaxMessageBytes);
        while (const auto object = splitter.next()) {
            const MonitorMessage message = MonitorMessageDecoder::decode(*object);
            const auto* status = std::get_if<MonitorStatus>(&message);
            if (!status)
                continue;
            if (status->ended()) {
                roster.conferenceEnded("13800138000");
                return 0;
            }
            roster.applyMemberList(status->phoneList, complete);
            complete = false;
            checkPhoneIndex(roster, RosterList::Waiting);
            checkPhoneIndex(roster, RosterList::Joined);
        }
    }
    return 0;
}
