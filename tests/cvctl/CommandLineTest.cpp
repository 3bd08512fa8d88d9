#include "CommandLine.h"
#include "DecimalArgument.h"

#include <gtest/gtest.h>

using cvctl::CommandLine;
using cvctl::parseDecimalInt;

TEST(DecimalArgument, AcceptsOnlyWholeDecimalInts)
{
    EXPECT_EQ(parseDecimalInt("0"), 0);
    EXPECT_EQ(parseDecimalInt("42"), 42);
    EXPECT_EQ(parseDecimalInt("-7"), -7);
    EXPECT_EQ(parseDecimalInt("+7"), 7);
    EXPECT_EQ(parseDecimalInt("2147483647"), 2147483647);
    EXPECT_EQ(parseDecimalInt("-2147483648"), -2147483647 - 1);
    for (const char* bad :
        { "", "+", "-", "+-1", " 1", "1 ", "12abc", "0x10", "1.5", "2147483648", "-2147483649", "一" })
        EXPECT_FALSE(parseDecimalInt(bad)) << '"' << bad << '"';
}

TEST(CommandLine, ReadsOptionsBeforeTheOperation)
{
    const CommandLine line
        = CommandLine::parse({ "--host", "svc.local", "--port=9090", "--fields", "GetMemberInfo", "138", "pw" });
    ASSERT_TRUE(line.valid()) << line.error;
    EXPECT_EQ(line.host, "svc.local");
    EXPECT_EQ(line.port, 9090);
    EXPECT_TRUE(line.fields);
    ASSERT_NE(line.operation, nullptr);
    EXPECT_EQ(line.operation->name, "GetMemberInfo");
    EXPECT_EQ(line.arguments, (std::vector<std::string> { "138", "pw" }));

    const CommandLine plain = CommandLine::parse({ "GetSysMsgInfo", "-3" });
    ASSERT_TRUE(plain.valid()) << plain.error;
    EXPECT_FALSE(plain.host);
    EXPECT_FALSE(plain.port);
    EXPECT_FALSE(plain.fields);
}

TEST(CommandLine, TakesArgumentsThatLookLikeOptionsAfterTheOperation)
{
    const CommandLine line = CommandLine::parse({ "SetMeetCall", "138", "--port", "--fields" });
    ASSERT_TRUE(line.valid()) << line.error;
    EXPECT_EQ(line.arguments, (std::vector<std::string> { "138", "--port", "--fields" }));
    EXPECT_FALSE(line.port);
    EXPECT_FALSE(line.fields);
}

TEST(CommandLine, TheAddressBookCommandsTakeAnAccountAndAFile)
{
    const CommandLine line
        = CommandLine::parse({ "--user=138", "--password", "", "--port", "9090", "import-contacts", "联系人.XLSX" });
    ASSERT_TRUE(line.valid()) << line.error;
    EXPECT_EQ(line.contactCommand, cvctl::ContactCommand::Import);
    EXPECT_EQ(line.file, "联系人.XLSX");
    EXPECT_EQ(line.user, "138");
    EXPECT_EQ(line.password, ""); // an empty password is still one; the service judges it
    EXPECT_EQ(line.operation, nullptr);

    EXPECT_EQ(CommandLine::parse({ "--user", "138", "--password", "pw", "export-contacts", "-.csv" }).contactCommand,
        cvctl::ContactCommand::Export);
}

TEST(CommandLine, HelpWinsOverEverythingBeforeIt)
{
    EXPECT_TRUE(CommandLine::parse({ "--help" }).help);
    EXPECT_TRUE(CommandLine::parse({ "--fields", "-h" }).help);
    EXPECT_FALSE(CommandLine::parse({ "GetSysMsgInfo", "--help" }).help);
}

TEST(CommandLine, RejectsWhatCannotBeCalled)
{
    struct Case {
        std::vector<std::string> args;
        const char* mentions;
    };
    const Case cases[] = {
        { {}, "no operation" },
        { { "--fields" }, "no operation" },
        { { "NoSuchOperation" }, "NoSuchOperation" },
        { { "getmemberinfo", "a", "b" }, "did you mean GetMemberInfo" },
        { { "GetMemberInfo", "138" }, "takes 2 arguments (regphoneid password), 1 given" },
        { { "GetMemberInfo", "138", "pw", "extra" }, "3 given" },
        { { "GetSysMsgInfo" }, "takes 1 argument (msgno)" },
        { { "GetSysMsgInfo", "12abc" }, "msgno must be a decimal integer" },
        { { "ClientAddressGroup", "138", "pw", "4", "家人", "one" }, "oprflag must be a decimal integer" },
        { { "--port", "70000", "GetSysMsgInfo", "1" }, "--port" },
        { { "--port", "0", "GetSysMsgInfo", "1" }, "--port" },
        { { "--port", "http", "GetSysMsgInfo", "1" }, "--port" },
        { { "--port" }, "--port" },
        { { "--host" }, "--host" },
        { { "--host=", "GetSysMsgInfo", "1" }, "--host" },
        { { "--verbose", "GetSysMsgInfo", "1" }, "unknown option \"--verbose\"" },
        { { "--user", "138", "--password", "pw", "GetMemberInfo", "138", "pw" }, "belong to export-contacts" },
        { { "--user", "138", "export-contacts", "a.txt" }, "needs --user and --password" },
        { { "--user=", "--password", "pw", "export-contacts", "a.txt" }, "--user" },
        { { "--user", "138", "--password", "pw", "import-contacts" }, "takes 1 argument (FILE), 0 given" },
        { { "--user", "138", "--password", "pw", "import-contacts", "a.txt", "b.txt" }, "2 given" },
        { { "--user", "138", "--password", "pw", "export-contacts", "a.doc" }, "unknown file type" },
        { { "--user", "138", "--password", "pw", "import-contacts", "xlsx" }, "unknown file type" },
    };
    for (const Case& c : cases) {
        const CommandLine line = CommandLine::parse(c.args);
        EXPECT_FALSE(line.valid()) << c.mentions;
        EXPECT_FALSE(line.help);
        EXPECT_NE(line.error.find(c.mentions), std::string::npos) << line.error;
    }
}
