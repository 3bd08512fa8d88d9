#include "XmlResponse.h"
#include "CodePageGuard.h"
#include "SoapReplies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using corvana::test::dataSetReply;
using corvana::test::soapEnvelope;
using cvsrv::CXmlResponse;

namespace {

constexpr const char* kNs = "http://svc.test/corvana/";

struct Decoded {
    int rows = -1;
    std::string text;
};

Decoded rowsOf(std::string reply, const std::string& rowTag, const std::string& fields)
{
    CXmlResponse response;
    response.LoadText(reply);
    Decoded decoded;
    decoded.text = "stale";
    decoded.rows = response.GetRows(rowTag, fields, decoded.text);
    return decoded;
}

std::string nodeText(std::string reply, const char* tag, int index = 0)
{
    CXmlResponse response;
    response.LoadText(reply);
    return response.GetNodeText(tag, index);
}

long countOf(const std::string& text, char c)
{
    return std::count(text.begin(), text.end(), c);
}

} // namespace

TEST(XmlResponseRows, OneRowOneFieldHasNoLineFeed)
{
    const Decoded d
        = rowsOf(dataSetReply(kNs, "GetConfGroup", "ds", { { { "confgroupid", "12" } } }), "ds", "confgroupid");
    EXPECT_EQ(d.rows, 1);
    EXPECT_EQ(d.text, "12\r");
}

TEST(XmlResponseRows, RowsJoinedByLineFeedsFieldsInRequestedOrder)
{
    const std::string reply = dataSetReply(kNs, "GetClientAddressGroup", "ds",
        { { { "addressgroupname", "Family" }, { "addressgroupid", "3" } },
            { { "addressgroupname", "Work" }, { "addressgroupid", "7" } },
            { { "addressgroupname", "Club" }, { "addressgroupid", "9" } } });
    const Decoded d = rowsOf(reply, "ds", "addressgroupid,addressgroupname");
    EXPECT_EQ(d.rows, 3);
    EXPECT_EQ(d.text, "3\rFamily\r\n7\rWork\r\n9\rClub\r");
    EXPECT_EQ(countOf(d.text, '\n'), 2);
}

TEST(XmlResponseRows, MissingOrEmptyChildKeepsItsSeparator)
{
    const std::string reply = dataSetReply(
        kNs, "QueryClientAddress", "Table", { { { "addressno", "1" }, { "phone", "" } }, { { "phone", "139" } } });
    const Decoded d = rowsOf(reply, "Table", "addressno,addressname,phone");
    EXPECT_EQ(d.rows, 2);
    EXPECT_EQ(d.text, "1\r\r\r\n\r\r139\r");
}

TEST(XmlResponseRows, NamesMatchWhateverPrefixTheReplyUses)
{
    const std::string reply = "<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"urn:s\" xmlns:d=\"urn:d\"><s:Body>"
                              "<d:ds><d:confgroupid>4</d:confgroupid><confgroupname>Board</confgroupname></d:ds>"
                              "</s:Body></s:Envelope>";
    const Decoded d = rowsOf(reply, "ds", "confgroupid,confgroupname");
    EXPECT_EQ(d.rows, 1);
    EXPECT_EQ(d.text, "4\rBoard\r");
    EXPECT_EQ(nodeText(reply, "confgroupid"), "4");
}

TEST(XmlResponseRows, FieldListWithTrailingOrEmptyNames)
{
    const std::string reply
        = dataSetReply(kNs, "GetConfGroup", "ds", { { { "confgroupid", "5" }, { "confgroupname", "X" } } });
    EXPECT_EQ(rowsOf(reply, "ds", "confgroupid,confgroupname,").text, "5\rX\r");
    const Decoded none = rowsOf(reply, "ds", "");
    EXPECT_EQ(none.rows, 0);
    EXPECT_EQ(none.text, "");
}

TEST(XmlResponseRows, OnlyDirectChildrenAreFieldsAndTheFirstOneWins)
{
    const std::string reply = soapEnvelope("<ds><inner><phone>nested</phone></inner><phone>a</phone><phone>b</phone>"
                                           "</ds>");
    EXPECT_EQ(rowsOf(reply, "ds", "phone").text, "a\r");
}

TEST(XmlResponseRows, ValuesAreUnescapedTextAndStayRaw)
{
    // Entities are decoded; a CR or LF inside a value is passed through as it is.
    const std::string reply = dataSetReply(kNs, "GetConfGroup", "ds", { { { "confgroupname", "A&B <x> \"q\"" } } });
    EXPECT_EQ(rowsOf(reply, "ds", "confgroupname").text, "A&B <x> \"q\"\r");
    const std::string withCdata = soapEnvelope("<ds><n><![CDATA[1<2]]> &amp; 3</n></ds>");
    EXPECT_EQ(rowsOf(withCdata, "ds", "n").text, "1<2 & 3\r");
    EXPECT_EQ(rowsOf(soapEnvelope("<ds><n>a\nb</n><m>c</m></ds>"), "ds", "n,m").text, "a\nb\rc\r");
}

TEST(XmlResponseRows, NonAsciiValuesArriveInTheAnsiCodePage)
{
    const std::string reply = dataSetReply(kNs, "GetConfGroup", "ds", { { { "confgroupname", "中文" } } });
    {
        const CodePageGuard guard("CP936");
        EXPECT_EQ(rowsOf(reply, "ds", "confgroupname").text, "\xD6\xD0\xCE\xC4\r");
        EXPECT_EQ(nodeText(reply, "confgroupname"), "\xD6\xD0\xCE\xC4");
    }
    EXPECT_EQ(rowsOf(reply, "ds", "confgroupname").text, "中文\r");
}

TEST(XmlResponseRows, TheInlineSchemaIsNotARow)
{
    // The schema declares <xs:element name="ds">: only real row elements count.
    const Decoded d = rowsOf(dataSetReply(kNs, "GetConfGroup", "ds", {}), "ds", "confgroupid");
    EXPECT_EQ(d.rows, 0);
    EXPECT_EQ(d.text, "");
}

TEST(XmlResponseBroken, UnparseableRepliesReadAsEmpty)
{
    const std::string complete = dataSetReply(kNs, "GetConfGroup", "ds", { { { "confgroupid", "1" } } });
    for (const std::string& reply :
        { complete.substr(0, complete.size() - 1), std::string("Internal Server Error"), std::string(),
            std::string("<ds><confgroupid>1</confgroupid></ds><ds>"), std::string("<ds><confgroupid>1</ds>") }) {
        const Decoded d = rowsOf(reply, "ds", "confgroupid");
        EXPECT_EQ(d.rows, 0) << reply;
        EXPECT_EQ(d.text, "") << reply;
        EXPECT_EQ(nodeText(reply, "confgroupid"), "") << reply;
    }
}

TEST(XmlResponseNodeText, IndexedElementAndAllDescendantText)
{
    const std::string reply = soapEnvelope("<r><v>one</v><w><v>t<b>w</b>o</v></w></r>");
    EXPECT_EQ(nodeText(reply, "v"), "one");
    EXPECT_EQ(nodeText(reply, "v", 1), "two");
    EXPECT_EQ(nodeText(reply, "v", 2), "");
    EXPECT_EQ(nodeText(reply, "v", -1), "");
    EXPECT_EQ(nodeText(reply, "missing"), "");
}

TEST(XmlResponseNodeText, LongValuesAreNotCut)
{
    const std::string value(1000, 'x');
    EXPECT_EQ(nodeText(soapEnvelope("<GetSysMsgInfoResult>" + value + "</GetSysMsgInfoResult>"), "GetSysMsgInfoResult"),
        value);
}

TEST(XmlResponseBroken, DeeplyNestedValuesDoNotExhaustTheStack)
{
    constexpr int kDepth = 1000000; // fits the 8,096,000-byte contact-list capacity
    std::string nested;
    nested.reserve(kDepth * 7 + 1);
    for (int i = 0; i < kDepth; ++i)
        nested += "<a>";
    nested += "x";
    for (int i = 0; i < kDepth; ++i)
        nested += "</a>";
    const std::string reply = soapEnvelope("<ds><f>" + nested + "</f><g>y</g></ds>");
    EXPECT_EQ(rowsOf(reply, "ds", "f,g").text, "x\ry\r");
    EXPECT_EQ(nodeText(reply, "f"), "x");

    // Rows nested in one another's fields as deep as the capacity allows.
    constexpr int kRows = 300000;
    std::string rows;
    rows.reserve(kRows * 26 + 1);
    for (int i = 0; i < kRows; ++i)
        rows += "<ds><f>";
    rows += "x";
    for (int i = 0; i < kRows; ++i)
        rows += "</f></ds>";
    const Decoded nestedRows = rowsOf(soapEnvelope(rows), "ds", "f");
    EXPECT_EQ(nestedRows.rows, kRows);
    EXPECT_EQ(nestedRows.text.size(), kRows * 3u - 1);
}
