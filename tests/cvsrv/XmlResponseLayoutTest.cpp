// Row layouts the service never sends but a reply may still hold: rows inside rows,
// fields with mixed content, fields asked for twice or out of order. The reader
// walks the document once, so these check that it still answers as a
// getElementsByTagName / selectSingleNode reader would.
#include "CodePageGuard.h"
#include "XmlResponse.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>
#include <vector>

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

// The same reading done the plain DOM way, independently of the reader: every element
// named rowTag in document order, the first child element of each field's name, its
// string value. XPath evaluation recurses, so this is for small depths only.
Decoded domReading(const std::string& reply, const std::string& rowTag, const std::vector<std::string>& fields)
{
    Decoded decoded { 0, "" };
    pugi::xml_document document;
    if (!document.load_string(reply.c_str()))
        return decoded;
    const pugi::xpath_query stringValue("string(.)");
    for (const pugi::xpath_node& row : document.select_nodes(("//*[local-name()='" + rowTag + "']").c_str())) {
        if (decoded.rows++ > 0)
            decoded.text += '\n';
        for (const std::string& field : fields) {
            if (const pugi::xpath_node pick = row.node().select_node(("*[local-name()='" + field + "'][1]").c_str()))
                decoded.text += stringValue.evaluate_string(pick);
            decoded.text += '\r';
        }
    }
    return decoded;
}

std::string repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// depth contact rows, each but the last nested inside the "sex" field of the one
// before; levelText goes into every "sex" before the nested row ("" for none).
std::string rowsNestedInAField(int depth, const std::string& prefix, const std::string& levelText)
{
    const std::string table = prefix + "Table";
    const std::string sex = prefix + "sex";
    std::string xml = "<r xmlns:d=\"urn:d\">";
    for (int i = 0; i < depth; ++i)
        xml += "<" + table + "><addressno>" + std::to_string(i) + "</addressno><" + sex + ">" + levelText;
    xml += "<![CDATA[<leaf>]]>";
    for (int i = 0; i < depth; ++i)
        xml += "</" + sex + "><email>e" + std::to_string(i) + "</email></" + table + ">";
    return xml + "</r>";
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

TEST(XmlResponseLayout, EachNestedRowsFieldGivesAllTheTextBelowIt)
{
    const Decoded d
        = rowsOf("<r><T><a>1<T><a>2<T><a>3</a><b>z</b></T></a><b>y</b></T></a><b>x</b></T></r>", "T", "a,b");
    EXPECT_EQ(d.rows, 3);
    EXPECT_EQ(d.text, "123zy\rx\r\n23z\ry\r\n3\rz\r");

    // One row whose field is a chain of elements: its text is the chain's leaf.
    const Decoded chain = rowsOf(
        "<r><T><a>" + repeated("<a>", 6) + "deep" + repeated("</a>", 6) + "</a><b>b</b></T></r>", "T", "a,b,a");
    EXPECT_EQ(chain.rows, 1);
    EXPECT_EQ(chain.text, "deep\rb\rdeep\r");
}

constexpr const char* kContactFields = "clientno,addressno,addressname,phone,sex,email,addressgroupid,addressgroupname";

TEST(XmlResponseLayout, RowsNestedInFieldsReadAsTheDomReadsThem)
{
    const std::string fields = kContactFields;
    const std::vector<std::string> names { "clientno", "addressno", "addressname", "phone", "sex", "email",
        "addressgroupid", "addressgroupname" };
    for (const int depth : { 1, 2, 3, 7, 40 }) {
        for (const std::string& prefix : { std::string(), std::string("d:") }) {
            for (const std::string& levelText : { std::string(), std::string("级&amp;") }) {
                const std::string reply = rowsNestedInAField(depth, prefix, levelText);
                SCOPED_TRACE(reply);
                const Decoded expected = domReading(reply, "Table", names);
                ASSERT_EQ(expected.rows, depth);
                const Decoded actual = rowsOf(reply, "Table", fields);
                EXPECT_EQ(actual.rows, expected.rows);
                EXPECT_EQ(actual.text, expected.text);
            }
        }
    }
}

TEST(XmlResponseLayout, NestedRowsWhoseRepeatedTextWouldDwarfTheReplyReadAsUnreadable)
{
    // Every row's field repeats the text of all the rows below it: 3,000 rows of 100
    // bytes would read as some 450 MB from a reply of under 400 KB.
    const Decoded refused = rowsOf(rowsNestedInAField(3000, "", std::string(100, 'x')), "Table", kContactFields);
    EXPECT_EQ(refused.rows, 0);
    EXPECT_EQ(refused.text, "");

    // Nested as deep, with nothing but the innermost text to repeat: every row reads.
    const std::string chain = "<r>" + repeated("<Table><sex>", 3000) + "x" + repeated("</sex></Table>", 3000) + "</r>";
    const Decoded deep = rowsOf(chain, "Table", kContactFields);
    EXPECT_EQ(deep.rows, 3000);
    EXPECT_EQ(deep.text, repeated("\r\r\r\rx\r\r\r\r\n", 2999) + "\r\r\r\rx\r\r\r\r");
}
