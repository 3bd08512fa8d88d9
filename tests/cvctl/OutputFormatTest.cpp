#include "OutputFormat.h"
#include "OperationCatalogue.h"

#include <gtest/gtest.h>

using cvctl::CallOutcome;
using cvctl::escapeLine;
using cvctl::formatOutcome;

namespace {

CallOutcome textOutcome(int status, std::string text, std::vector<std::pair<std::string, std::string>> values = {})
{
    CallOutcome outcome;
    outcome.status = status;
    outcome.resultText = std::move(text);
    outcome.values = std::move(values);
    return outcome;
}

} // namespace

TEST(OutputFormat, EscapesLineBreaksAndBackslashesOnly)
{
    EXPECT_EQ(escapeLine("3\r家人\r\n7\rWork\r"), "3\\r家人\\r\\n7\\rWork\\r");
    EXPECT_EQ(escapeLine("C:\\new"), "C:\\\\new");
    EXPECT_EQ(escapeLine("a\tb \"c\""), "a\tb \"c\"");
    EXPECT_EQ(escapeLine(""), "");
}

TEST(OutputFormat, PrintsStatusResultTextAndNamedValues)
{
    EXPECT_EQ(formatOutcome(textOutcome(0, "3\rFamily\r\n7\rWork\r", { { "rows", "2" } }), false),
        "status: 0\n3\\rFamily\\r\\n7\\rWork\\r\nrows: 2\n");
    // An empty result text still takes its line, so the named values stay on line 3.
    EXPECT_EQ(formatOutcome(textOutcome(-1, "", { { "rows", "0" } }), false), "status: -1\n\nrows: 0\n");

    CallOutcome noText;
    noText.status = 12;
    EXPECT_EQ(formatOutcome(noText, false), "status: 12\n");
    noText.values = { { "balance", "12.50" }, { "expiry", "2027-01-01\r\n" } };
    EXPECT_EQ(formatOutcome(noText, true), "status: 12\nbalance: 12.50\nexpiry: 2027-01-01\\r\\n\n");
}

TEST(OutputFormat, FieldsModePrintsOneFieldPerLineAndSeparatesRows)
{
    EXPECT_EQ(formatOutcome(textOutcome(0, "3\rFamily\r\n7\rWork\r", { { "rows", "2" } }), true),
        "status: 0\n3\nFamily\n\n7\nWork\nrows: 2\n");
    // Empty fields keep their place; a row of one empty field is one empty line.
    EXPECT_EQ(formatOutcome(textOutcome(0, "a\r\rc\r\n\r"), true), "status: 0\na\n\nc\n\n\n");
    EXPECT_EQ(formatOutcome(textOutcome(0, "发送数据失败!"), true), "status: 0\n发送数据失败!\n");
    EXPECT_EQ(formatOutcome(textOutcome(0, "", { { "rows", "0" } }), true), "status: 0\nrows: 0\n");
}

TEST(OutputFormat, HelpListsEveryOperationWithItsParameters)
{
    const std::string help = cvctl::helpText(cvctl::OperationCatalogue::all());
    for (const auto& entry : cvctl::OperationCatalogue::all()) {
        std::string line = "  " + entry.name;
        for (const auto& parameter : entry.parameters)
            line += " " + parameter.name + (parameter.kind == cvctl::ArgumentKind::Int ? "#" : "");
        EXPECT_NE(help.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(help.rfind(cvctl::usageLine(), 0), 0u);
}
