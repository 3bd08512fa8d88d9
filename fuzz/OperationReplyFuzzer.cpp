// Every operation of the service-client library decoding a reply of any bytes: the
// first byte picks the operation, the rest is the reply.
#include "CannedTransport.h"

#include "cvsrv/CCvService.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace {

constexpr const char* kAccount = "13800138000";
constexpr const char* kPassword = "123456";

using Call = std::function<void(CCvService&)>;

const std::array<Call, 37>& operations()
{
    static std::string text;
    static std::string other;
    static int rows = 0;
    static int number = 0;
    static const std::array<Call, 37> calls {
        [](CCvService& s) { s.UserClientLogin(kAccount, kPassword, "127.0.0.1"); },
        [](CCvService& s) { s.ModifytPasswordByPhoneID(kAccount, kPassword, "654321"); },
        [](CCvService& s) { s.GetMemberInfo(kAccount, kPassword, text); },
        [](CCvService& s) {
            s.ClientPrivateInfo(kAccount, kPassword, "1", 1, 1, "c", "e@x", "s", "c", "s", "c", "1", "2", "3", "4", 1,
                "n", text);
        },
        [](CCvService& s) { s.GetClientBalance(kAccount, kPassword, text, other); },
        [](CCvService& s) { s.SetMeetCall(kAccount, kPassword, "1"); },
        [](CCvService& s) { s.SetMessagesender(kAccount, kPassword, "1"); },
        [](CCvService& s) { s.TransferAccount(kAccount, kPassword, "13900139000", 1, 0, 1, "r"); },
        [](CCvService& s) { s.GetSysMsgInfo(1, text); },
        [](CCvService& s) { s.CheckOrUpdatePCClientVersion("1008", "pcadm", text); },
        [](CCvService& s) { s.GetClientRoomInfo(kAccount, kPassword, text); },
        [](CCvService& s) { s.ModifyClientRoomInfo(kAccount, kPassword, number); },
        [](CCvService& s) { s.GetClientNoteNo(kAccount, kPassword, text); },
        [](CCvService& s) {
            s.createConference(kAccount, kPassword, "t", kAccount, "139", "n", "", "127.0.0.1", 0, 0, 1, 0, 0, text);
        },
        [](CCvService& s) {
            s.ModifyBookConference(
                kAccount, kPassword, "1", "t", kAccount, "139", "n", "", "127.0.0.1", 0, 0, 1, 0, 1, text);
        },
        [](CCvService& s) { s.ConferenceControl(kAccount, kPassword, "1", 1, "139", text); },
        [](CCvService& s) { s.GetMeetingStatus(kAccount, kPassword, "1", text); },
        [](CCvService& s) { s.GetMeetingMemberStatus(kAccount, kPassword, "1", text); },
        [](CCvService& s) { s.Getcurrentconferencelist(kAccount, kPassword, text, rows); },
        [](CCvService& s) { s.GetSubscribeCurrentConference(kAccount, kPassword, text, rows); },
        [](CCvService& s) { s.GetPastConference(kAccount, kPassword, text, rows); },
        [](CCvService& s) { s.getUserconference(kAccount, kPassword, "1=1", text, rows); },
        [](CCvService& s) { s.GetMeetingRecordFile(kAccount, kPassword, "1=1", text, rows); },
        [](CCvService& s) { s.ClientAddressNew(kAccount, kPassword, 0, 1, "n", "139", "e@x", 1, text); },
        [](CCvService& s) { s.QueryClientAddress(kAccount, kPassword, text, rows); },
        [](CCvService& s) { s.ClientAddressGroup(kAccount, kPassword, 1, "g", 1, text); },
        [](CCvService& s) { s.GetClientAddressGroup(kAccount, kPassword, text, rows); },
        [](CCvService& s) { s.QueryClientAddressGroupMember(kAccount, kPassword, "1", text, rows); },
        [](CCvService& s) { s.ClientAddressGroupMemberNew(kAccount, kPassword, 1, 1, 1, text); },
        [](CCvService& s) { s.QueryNotAddressGroupMember(kAccount, kPassword, text, rows); },
        [](CCvService& s) { s.ClientConfGroup(kAccount, kPassword, 1, "g", 1, text); },
        [](CCvService& s) { s.GetConfGroup(kAccount, kPassword, text, rows); },
        [](CCvService& s) { s.QueryClientConfGroupMember(kAccount, kPassword, "1", text, rows); },
        [](CCvService& s) { s.QueryNotConfGroupMember(kAccount, kPassword, text, rows); },
        [](CCvService& s) { s.ClientConfGroupMemberNew(kAccount, kPassword, 1, 1, 1, text); },
        [](CCvService& s) { s.clientsendmessage(kAccount, kPassword, "139", "m", "", text); },
        [](CCvService& s) { s.GetUserPhoneCharge(kAccount, kPassword, "1=1", text, rows); },
    };
    return calls;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto& calls = operations();
    const std::size_t pick = input.ConsumeIntegralInRange<std::size_t>(0, calls.size() - 1);
    cannedReply() = { false, input.ConsumeRemainingBytesAsString() };
    CCvService service;
    calls[pick](service);
    return 0;
}
