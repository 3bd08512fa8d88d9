#include "core/addressbook/ContactFile.h"

#include "ForeignReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using xls::test::ForeignReader;

class ContactFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("contact-file-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }
    static std::string readBytes(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), {} };
    }

    fs::path m_dir;
};

std::vector<ContactRecord> someContacts()
{
    std::vector<ContactRecord> contacts(3);
    contacts[0].phone = "13800138000";
    contacts[0].addressname = "张三";
    contacts[1].phone = "13912345678";
    contacts[1].addressname = "李四 \"小李\"";
    contacts[2].phone = "021-12345678";
    contacts[2].addressname = "O'Brien; Ltd";
    return contacts;
}

} // namespace

TEST(ContactFileFormat, TheEndingDecidesInAnyCase)
{
    EXPECT_EQ(contactFileFormat("a.txt"), ContactFileFormat::Txt);
    EXPECT_EQ(contactFileFormat("/x/B.TxT"), ContactFileFormat::Txt);
    EXPECT_EQ(contactFileFormat("c.XLS"), ContactFileFormat::Xls);
    EXPECT_EQ(contactFileFormat("d.xlsx"), ContactFileFormat::Xlsx);
    EXPECT_EQ(contactFileFormat("e.Csv"), ContactFileFormat::Csv);
    EXPECT_EQ(contactFileFormat(""), ContactFileFormat::None);
    EXPECT_EQ(contactFileFormat("txt"), ContactFileFormat::None);
    EXPECT_EQ(contactFileFormat("f.doc"), ContactFileFormat::None);
}

TEST_F(ContactFileTest, TextLinesInEitherEncodingSkipTheHeaderAndKeepTwoFields)
{
    // GB18030 bytes of "王五" and "赵六", the first line the export's header.
    const std::string gb
        = "phone,addressname\r\n13700000001,\xCD\xF5\xCE\xE5,extra\r\n13700000002\r\n,\xD5\xD4\xC1\xF9\r\n";
    const ContactFileRows fromGb = readContactFile(write("gb.txt", gb));
    ASSERT_EQ(fromGb.rows.size(), 3u);
    EXPECT_FALSE(fromGb.readFailed);
    EXPECT_EQ(fromGb.rows[0].phone, "13700000001");
    EXPECT_EQ(fromGb.rows[0].addressname, "王五"); // the third field is ignored
    EXPECT_TRUE(fromGb.rows[0].complete);
    EXPECT_FALSE(fromGb.rows[1].complete); // no name field: refused without a call
    EXPECT_EQ(fromGb.rows[2].addressname, "赵六");

    const ContactFileRows fromUtf8 = readContactFile(write("bom.txt", "\xEF\xBB\xBF王五,13?\n13700000003,孙七\n"));
    ASSERT_EQ(fromUtf8.rows.size(), 2u);
    EXPECT_EQ(fromUtf8.rows[0].phone, "王五");
    EXPECT_EQ(fromUtf8.rows[1].addressname, "孙七");

    // A text file that cannot be opened has no lines; that is not a spreadsheet failure.
    const ContactFileRows missing = readContactFile(path("missing.txt"));
    EXPECT_TRUE(missing.rows.empty());
    EXPECT_FALSE(missing.readFailed);
}

TEST_F(ContactFileTest, SpreadsheetsFromARealProgramReadFromTheirSecondRow)
{
    for (const char* name : { "contacts.xls", "contacts.xlsx" }) {
        const ContactFileRows rows = readContactFile(std::string(XLS_FIXTURES_DIR) + "/" + name);
        ASSERT_FALSE(rows.readFailed) << name << rows.error;
        ASSERT_GE(rows.rows.size(), 2u) << name;
        EXPECT_EQ(rows.rows[0].phone, "13800138000") << name; // a number, read as its digits
        EXPECT_EQ(rows.rows[0].addressname, "张三") << name;
        EXPECT_EQ(rows.rows[1].addressname, "李四, Jr.") << name;
    }
    const ContactFileRows quoted = readContactFile(write("q.csv", "phone,addressname\n\"138,1\",\"张, \"\"三\"\"\"\n"));
    ASSERT_EQ(quoted.rows.size(), 1u);
    EXPECT_EQ(quoted.rows[0].phone, "138,1");
    EXPECT_EQ(quoted.rows[0].addressname, "张, \"三\"");
}

TEST_F(ContactFileTest, SpreadsheetsThatCannotBeReadSaySo)
{
    for (const std::string& file :
        { path("missing.xls"), write("empty.xlsx", ""), write("text.xls", "phone,addressname\n1,a\n") }) {
        const ContactFileRows rows = readContactFile(file);
        EXPECT_TRUE(rows.readFailed) << file;
        EXPECT_TRUE(rows.rows.empty()) << file;
    }
    // Only the header row: nothing to add, and nothing wrong.
    const std::string headerOnly = path("header.xlsx");
    ASSERT_EQ(writeContactFile(headerOnly, {}), "");
    const ContactFileRows none = readContactFile(headerOnly);
    EXPECT_FALSE(none.readFailed);
    EXPECT_TRUE(none.rows.empty());
}

TEST_F(ContactFileTest, ExportsReadBackByProgramsNotOurs)
{
    const std::vector<ContactRecord> contacts = someContacts();
    const xls::SheetRows expected { { "phone", "addressname" }, { "13800138000", "张三" },
        { "13912345678", "李四 \"小李\"" }, { "021-12345678", "O'Brien; Ltd" } };

    ASSERT_EQ(writeContactFile(path("out.xls"), contacts), "");
    EXPECT_EQ(ForeignReader::xlrd(path("out.xls"), "Sheet1").rows, expected);
    ASSERT_EQ(writeContactFile(path("out.xlsx"), contacts), "");
    EXPECT_EQ(ForeignReader::openpyxl(path("out.xlsx"), "Sheet1").rows, expected);
    ASSERT_EQ(writeContactFile(path("out.csv"), contacts), "");
    EXPECT_EQ(ForeignReader::csv(path("out.csv")).rows, expected);

    // Text: GB18030 with one CR LF a line, read back as written.
    ASSERT_EQ(writeContactFile(path("out.txt"), contacts), "");
    const std::string bytes = readBytes(path("out.txt"));
    const std::string start = "phone,addressname\r\n13800138000,\xD5\xC5\xC8\xFD\r\n";
    EXPECT_EQ(bytes.substr(0, start.size()), start);
    EXPECT_EQ(bytes.find("\r\r"), std::string::npos);
    const ContactFileRows back = readContactFile(path("out.txt"));
    ASSERT_EQ(back.rows.size(), 3u);
    EXPECT_EQ(back.rows[1].addressname, "李四 \"小李\"");

    // An export can be stopped between two contacts.
    int seen = 0;
    ASSERT_EQ(writeContactFile(path("stopped.csv"), contacts, [&seen](int) { return ++seen < 2; }), "");
    EXPECT_EQ(ForeignReader::csv(path("stopped.csv")).rows.size(), 2u); // header and the first contact
}
