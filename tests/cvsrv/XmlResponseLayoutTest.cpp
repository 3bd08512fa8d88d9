// Row layouts the service never sends but a reply may still hold: rows inside rows,
// fields with mixed content, fields asked for twice or out of order. The reader
// walks the document once, so these check that it still answers as a
// getElementsByTagName / selectSingleNode reader would.
#include "CodePageGuard.h"
#include "XmlResponse.h"

#include <gtest/gtest.h>

#include <string>

using cvsrv::CXmlResponse;

namespace {

struct Decoded {
    int rows = -1;
    std::string text;
};

Decoded rowsOf(std::string reply, const std::string& rowTag, const std::string& fields)
{
    CXmlResponse response;
    response.LoadText(reply);
    Decoded decoded;
    decoded.rows = response.GetRows(rowTag, fields, decoded.text);
    return decoded;
}

} // namespace

TEST(XmlResponseLayout, NestedRowsFollowTheirEnclosingRowInDocumentOrder)
{
    const Decoded nestedInField = rowsOf(
        "<r><ds><f1><ds><f1>deep</f1></ds></f1><f2>b</f2></ds><q><ds><f2>in q</f2></ds></q></r>", "ds", "f1,f2");
    EXPECT_EQ(nestedInField.rows, 3);
    EXPECT_EQ(nestedInField.text, "deep\rb\r\ndeep\r\r\n\rin q\r");

    const Decoded nestedAsChild = rowsOf("<r><ds><ds><f1>inner</f1></ds><f1>outer</f1></ds><ds/></r>", "ds", "f1");
    EXPECT_EQ(nestedAsChild.rows, 3);
    EXPECT_EQ(nestedAsChild.text, "outer\r\ninner\r\n\r");
}

TEST(XmlResponseLayout, FieldsWithMixedContentGiveAllTheirText)
{
    const Decoded mixed = rowsOf(
        "<r><ds><f1>pre<i>in</i>post<![CDATA[<c>]]>tail</f1><f2><![CDATA[x]]>y</f2></ds></r>", "ds", "f1,f2,f1");
    EXPECT_EQ(mixed.rows, 1);
    EXPECT_EQ(mixed.text, "preinpost<c>tail\rxy\rpreinpost<c>tail\r");
}

TEST(XmlResponseLayout, FieldsInAnyOrderAndRepeatedChildren)
{
    const Decoded shuffled = rowsOf(
        "<r><ds><f3>3</f3><f1>1</f1><f1>again</f1><f2>2</f2></ds><ds><f2>b</f2></ds></r>", "ds", "f1,f2,f3,f1");
    EXPECT_EQ(shuffled.rows, 2);
    EXPECT_EQ(shuffled.text, "1\r2\r3\r1\r\n\rb\r\r\r");
}

TEST(XmlResponseLayout, MixedContentInTheAnsiCodePage)
{
    const CodePageGuard guard("CP936");
    const Decoded converted = rowsOf("<r><ds><n>张<b>三</b></n><m>李四</m></ds></r>", "ds", "n,m");
    EXPECT_EQ(converted.text, "\xd5\xc5\xc8\xfd\r\xc0\xee\xcb\xc4\r");
}
