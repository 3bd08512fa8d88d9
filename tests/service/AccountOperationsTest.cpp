#include "ServiceHarness.h"

#include "SignatureCheck.h"
#include "StatusCodes.h"
#include "xls/CSpreadSheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace cvservice::test {
namespace {

class AccountOperationsTest : public ::testing::Test {
protected:
    ServiceHarness harness;
};

TEST_F(AccountOperationsTest, SignInChecksAccountAndPassword)
{
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, "192.168.1.1"), kOk);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, "wrong", "192.168.1.1"), kWrongPassword);
    EXPECT_EQ(harness.client().UserClientLogin("13000000000", kPassword, "192.168.1.1"), kUnknownAccount);

    std::string info;
    ASSERT_EQ(harness.client().GetMemberInfo(kUser, kPassword, info), 0);
    const auto rows = rowsOf(info);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 18u);
    EXPECT_EQ(rows[0][17], "192.168.1.1") << "the sign-in records the address it came from";
}

TEST_F(AccountOperationsTest, EveryStatusHasItsText)
{
    std::string text;
    ASSERT_EQ(harness.client().GetSysMsgInfo(kBookingInPast, text), 0);
    EXPECT_EQ(text, "预约会议的时间不能小于当前时间！");
    ASSERT_EQ(harness.client().GetSysMsgInfo(kWrongPassword, text), 0);
    EXPECT_EQ(text, "密码错误，请重新输入！");
    ASSERT_EQ(harness.client().GetSysMsgInfo(123456, text), 0);
    EXPECT_EQ(text, "未知错误！");
}

TEST_F(AccountOperationsTest, VersionCheckComparesWithLatestAndMinimum)
{
    struct Case {
        const char* version;
        const char* flag;
    };
    for (const Case& c : { Case { "1008", "0" }, Case { "1009", "0" }, Case { "1005", "1" }, Case { "999", "2" },
             Case { "abc", "2" } }) {
        std::string result;
        ASSERT_EQ(harness.client().CheckOrUpdatePCClientVersion(c.version, kUser, result), 0);
        const auto rows = rowsOf(result);
        ASSERT_EQ(rows.size(), 1u) << c.version;
        ASSERT_EQ(rows[0].size(), 4u) << c.version;
        EXPECT_EQ(rows[0][0], "0");
        EXPECT_EQ(rows[0][1], "1008");
        EXPECT_EQ(rows[0][2], c.flag) << c.version;
        if (std::string(c.flag) == "0") {
            EXPECT_TRUE(rows[0][3].empty());
            continue;
        }
        // Every offered file is really there to download.
        std::vector<std::string> urls;
        CUtility().Split(rows[0][3], ";", &urls);
        ASSERT_EQ(urls.size(), 2u);
        for (const std::string& url : urls) {
            const std::string prefix = "http://127.0.0.1:" + std::to_string(harness.service().httpPort());
            ASSERT_EQ(url.rfind(prefix, 0), 0u) << url;
            const RawReply file = harness.get(url.substr(prefix.size()));
            EXPECT_EQ(file.status, 200) << url;
            EXPECT_FALSE(file.body.empty());
        }
    }
}

TEST(UpdateFolderTest, TheVersionCheckOffersTheFolderFiles)
{
    char folder[] = "/tmp/cvservice-updates-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = folder;
    std::ofstream(path + "/corvana") << "new client";
    std::ofstream(path + "/.hidden") << "never offered";
    std::filesystem::create_directory(path + "/plugins");

    ServiceOptions options = ServiceHarness::defaults();
    options.updatesDir = path;
    options.latestVersion = "1010";
    ServiceHarness harness(options);
    std::string result;
    ASSERT_EQ(harness.client().CheckOrUpdatePCClientVersion("1008", kUser, result), 0);
    const auto row = rowsOf(result).at(0);
    EXPECT_EQ(row[1], "1010");
    EXPECT_EQ(row[2], "1");
    const std::string base = "http://127.0.0.1:" + std::to_string(harness.service().httpPort());
    EXPECT_EQ(row[3], base + "/updates/corvana;") << "only plain files with plain names";
    const RawReply file = harness.get("/updates/corvana");
    EXPECT_EQ(file.status, 200);
    EXPECT_EQ(file.body, "new client");
    EXPECT_EQ(harness.get("/updates/.hidden").status, 404);
    EXPECT_EQ(harness.get("/updates/..%2Fetc%2Fpasswd").status, 404);
    std::filesystem::remove_all(path);
}

TEST_F(AccountOperationsTest, TheImportTemplateIsAWorkbookWithTheImportHeaders)
{
    // The client asks for the path with its Chinese file name percent-encoded.
    const RawReply reply = harness.get("/addressbook/demo/%E9%80%9A%E8%AE%AF%E5%BD%95%E6%A8%A1%E6%9D%BF.xls");
    ASSERT_EQ(reply.status, 200);
    const std::string file = std::filesystem::temp_directory_path() / "cvservice-template-test.xls";
    std::ofstream(file, std::ios::binary) << reply.body;
    const CSpreadSheet sheet(file, "Sheet1", false);
    ASSERT_TRUE(sheet.isReadable()) << sheet.errorMessage();
    std::vector<std::string> headers;
    ASSERT_TRUE(sheet.ReadRow(headers, 1));
    EXPECT_EQ(headers, (std::vector<std::string> { "phone", "addressname" }));
    EXPECT_EQ(sheet.GetTotalRows(), 1);
    std::filesystem::remove(file);
}

TEST_F(AccountOperationsTest, PasswordChangeNeedsTheOldPasswordAndTakesEffect)
{
    EXPECT_EQ(harness.client().ModifytPasswordByPhoneID(kUser, "654321", "abcdef"), kWrongPassword)
        << "the request is signed with the old password, so a wrong one fails the signature";
    EXPECT_EQ(harness.client().ModifytPasswordByPhoneID(kUser, kPassword, ""), kBadNewPassword);
    EXPECT_EQ(harness.client().ModifytPasswordByPhoneID(kUser, kPassword, "with space"), kBadNewPassword);
    ASSERT_EQ(harness.client().ModifytPasswordByPhoneID(kUser, kPassword, "newpass"), kOk);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, "1.1.1.1"), kWrongPassword);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, "newpass", "1.1.1.1"), kOk);
}

TEST_F(AccountOperationsTest, ProfileIsSavedAndReadBack)
{
    std::string result;
    ASSERT_EQ(harness.client().ClientPrivateInfo(kUser, kPassword, "440101199202023333", 2, 2, "020-1234567",
                  "li@example.com", "天河路1号", "广州", "广东", "中国", "510000", "13800138000", "小李", "备注<&>", 1,
                  "李四", result),
        0);
    EXPECT_EQ(result, "0\r");
    std::string info;
    ASSERT_EQ(harness.client().GetMemberInfo(kUser, kPassword, info), 0);
    const auto row = rowsOf(info).at(0);
    EXPECT_EQ(row[1], "440101199202023333");
    EXPECT_EQ(row[2], "2");
    EXPECT_EQ(row[3], "2");
    EXPECT_EQ(row[4], "李四");
    EXPECT_EQ(row[7], "天河路1号");
    EXPECT_EQ(row[8], "广州");
    EXPECT_EQ(row[13], "小李");
    EXPECT_EQ(row[14], "备注<&>");

    // Refusals leave the profile as it was.
    ASSERT_EQ(harness.client().ClientPrivateInfo(
                  kUser, kPassword, "x", 9, 1, "", "", "", "", "", "", "", "", "", "", 1, "", result),
        0);
    EXPECT_EQ(result, std::to_string(kBadProfile) + "\r");
    ASSERT_EQ(harness.client().ClientPrivateInfo(
                  kUser, kPassword, "x", 1, 1, "", "not-an-address", "", "", "", "", "", "", "", "", 1, "", result),
        0);
    EXPECT_EQ(result, std::to_string(kBadProfile) + "\r");
    ASSERT_EQ(harness.client().ClientPrivateInfo(
                  kUser, kPassword, "x", 1, 1, "", "", "", "", "", "", "", "", "", "", 0, "", result),
        0);
    EXPECT_EQ(result, std::to_string(kUnknownOperationFlag) + "\r");
    ASSERT_EQ(harness.client().GetMemberInfo(kUser, kPassword, info), 0);
    EXPECT_EQ(rowsOf(info).at(0)[1], "440101199202023333");
}

TEST_F(AccountOperationsTest, HostNumberAndSmsSignature)
{
    EXPECT_EQ(harness.client().SetMeetCall(kUser, kPassword, "123456"), kBadHostNumber);
    EXPECT_EQ(harness.client().SetMeetCall(kUser, kPassword, "0755abc1234"), kBadHostNumber);
    EXPECT_EQ(harness.client().SetMeetCall(kUser, kPassword, "07558888999"), kOk);
    EXPECT_EQ(
        harness.client().SetMessagesender(kUser, kPassword, "这个签名一共有十七个字这个签名一共有"), kBadSmsSignature);
    EXPECT_EQ(harness.client().SetMessagesender(kUser, kPassword, "科维纳"), kOk);
    std::string info;
    ASSERT_EQ(harness.client().GetMemberInfo(kUser, kPassword, info), 0);
    const auto row = rowsOf(info).at(0);
    EXPECT_EQ(row[12], "07558888999");
    EXPECT_EQ(row[13], "科维纳");
}

TEST_F(AccountOperationsTest, TransferMovesMoneyOnlyWhenEverythingIsRight)
{
    std::string balance;
    std::string expiry;
    ASSERT_EQ(harness.client().GetClientBalance(kUser, kPassword, balance, expiry), 0);
    EXPECT_EQ(balance, "588.00");
    EXPECT_EQ(expiry.size(), 10u);

    struct Refusal {
        const char* password;
        const char* to;
        int amount;
        int processState;
        int status;
    };
    for (const Refusal& r :
        { Refusal { kPassword, kOtherUser, 0, 2, kBadAmount }, Refusal { kPassword, kOtherUser, -500, 2, kBadAmount },
            Refusal { kPassword, kOtherUser, 100, 1, kUnknownOperationFlag },
            Refusal { kPassword, kUser, 100, 2, kTransferToSelf },
            Refusal { kPassword, "13012345678", 100, 2, kUnknownTargetAccount },
            Refusal { kPassword, kOtherUser, 60000 * 100, 2, kInsufficientBalance },
            Refusal { "wrong", kOtherUser, 100, 2, kWrongPassword } }) {
        EXPECT_EQ(harness.client().TransferAccount(kUser, r.password, r.to, r.amount, 0, r.processState, ""), r.status)
            << r.to << " " << r.amount;
    }
    ASSERT_EQ(harness.client().GetClientBalance(kUser, kPassword, balance, expiry), 0);
    EXPECT_EQ(balance, "588.00") << "no refused transfer took money";

    ASSERT_EQ(harness.client().TransferAccount(kUser, kPassword, kOtherUser, 12345, 0, 2, ""), kOk);
    ASSERT_EQ(harness.client().GetClientBalance(kUser, kPassword, balance, expiry), 0);
    EXPECT_EQ(balance, "464.55");
    ASSERT_EQ(harness.client().GetClientBalance(kOtherUser, kOtherPassword, balance, expiry), 0);
    EXPECT_EQ(balance, "243.45");
}

TEST_F(AccountOperationsTest, RoomPasswordsAreReissued)
{
    std::string room;
    ASSERT_EQ(harness.client().GetClientRoomInfo(kUser, kPassword, room), 0);
    EXPECT_EQ(room, "246810\r135790\r");
    int ignored = 0;
    ASSERT_EQ(harness.client().ModifyClientRoomInfo(kUser, kPassword, ignored), 0);
    ASSERT_EQ(harness.client().GetClientRoomInfo(kUser, kPassword, room), 0);
    const auto row = rowsOf(room).at(0);
    ASSERT_EQ(row.size(), 2u);
    EXPECT_NE(row[0], "246810");
    EXPECT_EQ(row[0].size(), 6u);
    EXPECT_NE(row[0], row[1]);

    std::string note;
    ASSERT_EQ(harness.client().GetClientNoteNo(kUser, kPassword, note), 0);
    EXPECT_EQ(note, "1\r");
    ASSERT_EQ(harness.client().GetClientNoteNo(kOtherUser, kOtherPassword, note), 0);
    EXPECT_EQ(note, "2\r");
}

TEST_F(AccountOperationsTest, StaleOrMalformedSignaturesAreRefused)
{
    const std::string old = "20200101000000";
    const std::string hash = SignatureCheck::expectedHash(kUser, kPassword, old);
    const RawReply stale = harness.post(harness.envelope("GetClientBalance",
                                            "<inregphoneid>13800138000</inregphoneid><inuserid>pcadm</inuserid>"
                                            "<timeticks>"
                                                + old + "</timeticks><strMD5Client>" + hash + "</strMD5Client>"),
        harness.action("GetClientBalance"));
    EXPECT_EQ(stale.status, 200);
    EXPECT_NE(stale.body.find("<GetClientBalanceResult>104</GetClientBalanceResult>"), std::string::npos) << stale.body;
    EXPECT_EQ(stale.body.find("outbalance"), std::string::npos);

    const RawReply malformed = harness.post(harness.envelope("GetClientBalance",
                                                "<inregphoneid>13800138000</inregphoneid><inuserid>pcadm</inuserid>"
                                                "<timeticks>2026</timeticks><strMD5Client>xyz</strMD5Client>"),
        harness.action("GetClientBalance"));
    EXPECT_NE(malformed.body.find("<GetClientBalanceResult>103</GetClientBalanceResult>"), std::string::npos);
}

} // namespace
} // namespace cvservice::test
