#include "ChildProcess.h"
#include "ForeignReader.h"
#include "ServiceHarness.h"
#include "TempFolder.h"

#include "core/addressbook/AddressBookQueries.h"
#include "core/addressbook/ContactFile.h"
#include "core/service/Credentials.h"

#include <gtest/gtest.h>

#include <fstream>

using cvctl::test::ChildResult;
using cvctl::test::runChild;
using cvservice::test::ServiceHarness;
using xls::test::ForeignReader;

namespace {

// export-contacts and import-contacts of the cvctl program against a cvservice with
// the demo accounts: the first has 40 contacts, the second none.
class ContactCommandsTest : public ::testing::Test {
protected:
    ChildResult cvctl(const Credentials& who, const std::string& command, const std::string& file)
    {
        return runChild(CVCTL_PROGRAM,
            { "--host", "127.0.0.1", "--port", std::to_string(m_harness.service().httpPort()), "--user", who.account,
                "--password", who.password, command, file });
    }

    std::vector<ContactRecord> contactsOf(const Credentials& who)
    {
        CCvService service = m_harness.client();
        RecordList list = queryContacts(service, who);
        EXPECT_TRUE(list.answered);
        return list.records.value_or(std::vector<ContactRecord> {});
    }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = m_folder.file(name.c_str());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    const Credentials m_demo { cvservice::test::kUser, cvservice::test::kPassword };
    const Credentials m_empty { cvservice::test::kOtherUser, cvservice::test::kOtherPassword };
    ServiceHarness m_harness;
    cvservice::test::TempFolder m_folder;
};

} // namespace

TEST_F(ContactCommandsTest, ExportsEveryContactInTheFormatOfTheEnding)
{
    const std::vector<ContactRecord> contacts = contactsOf(m_demo);
    ASSERT_EQ(contacts.size(), 40u);
    xls::SheetRows expected { { "phone", "addressname" } };
    for (const ContactRecord& contact : contacts)
        expected.push_back({ contact.phone, contact.addressname });

    for (const char* name : { "book.txt", "book.xls", "book.XLSX", "book.csv" }) {
        const std::string path = m_folder.file(name);
        const ChildResult result = cvctl(m_demo, "export-contacts", path);
        EXPECT_EQ(result.exitCode, 0) << name << result.err;
        EXPECT_EQ(result.out, "exported: 40\n") << name;
        EXPECT_EQ(result.err, "") << name;
        switch (contactFileFormat(path)) {
        case ContactFileFormat::Xls:
            EXPECT_EQ(ForeignReader::xlrd(path, "Sheet1").rows, expected);
            break;
        case ContactFileFormat::Xlsx:
            EXPECT_EQ(ForeignReader::openpyxl(path, "Sheet1").rows, expected);
            break;
        case ContactFileFormat::Csv:
            EXPECT_EQ(ForeignReader::csv(path).rows, expected);
            break;
        default: {
            // GB18030, read back as the client reads it; the header is skipped.
            const ContactFileRows back = readContactFile(path);
            ASSERT_EQ(back.rows.size(), contacts.size());
            EXPECT_EQ(back.rows.front().phone, contacts.front().phone);
            EXPECT_EQ(back.rows.back().addressname, contacts.back().addressname);
        }
        }
    }

    // An account without contacts exports the header alone.
    const ChildResult none = cvctl(m_empty, "export-contacts", m_folder.file("none.csv"));
    EXPECT_EQ(none.out, "exported: 0\n");
    EXPECT_EQ(ForeignReader::csv(m_folder.file("none.csv")).rows, (xls::SheetRows { { "phone", "addressname" } }));
}

TEST_F(ContactCommandsTest, ImportsAddWhatTheServiceAcceptsAndCountTheRest)
{
    // GB18030 as the client exports it: two contacts, a line without a name, a
    // number the service does not dial, and the header.
    const std::string txt = write("in.txt",
        "phone,addressname\r\n13501010101,\xCD\xF5\xCE\xE5\r\n13501010102,\xD5\xD4\xC1\xF9,extra\r\n13501010103\r\n"
        "not-a-number,x\r\n");
    const ChildResult fromText = cvctl(m_empty, "import-contacts", txt);
    EXPECT_EQ(fromText.exitCode, 0) << fromText.err;
    EXPECT_EQ(fromText.out, "added: 2\nrefused: 2\n");

    const std::string csv = write("in.csv", "phone,addressname\n13601010101,\"Smith, J\"\n13601010102,\n");
    const ChildResult fromCsv = cvctl(m_empty, "import-contacts", csv);
    EXPECT_EQ(fromCsv.exitCode, 0) << fromCsv.err;
    EXPECT_EQ(fromCsv.out, "added: 1\nrefused: 1\n"); // an empty name is the service's to refuse

    std::vector<std::pair<std::string, std::string>> stored;
    for (const ContactRecord& contact : contactsOf(m_empty)) {
        stored.emplace_back(contact.phone, contact.addressname);
        EXPECT_EQ(contact.sex, 1);
    }
    EXPECT_EQ(stored,
        (std::vector<std::pair<std::string, std::string>> {
            { "13501010101", "王五" }, { "13501010102", "赵六" }, { "13601010101", "Smith, J" } }));
}

TEST_F(ContactCommandsTest, FailuresAreNotReportedAsSuccess)
{
    // An ending that names no format is a usage error, found before any call.
    const ChildResult unknown = cvctl(m_demo, "export-contacts", m_folder.file("book.doc"));
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("unknown file type"), std::string::npos) << unknown.err;
    EXPECT_FALSE(std::filesystem::exists(m_folder.file("book.doc")));

    // A spreadsheet that is missing or not a workbook: the counts, then the reason.
    for (const std::string& path : std::vector { m_folder.file("missing.xls"), write("text.xlsx", "1,a\n") }) {
        const ChildResult result = cvctl(m_empty, "import-contacts", path);
        EXPECT_EQ(result.exitCode, 1) << path;
        EXPECT_EQ(result.out, "added: 0\nrefused: 0\n") << path;
        EXPECT_NE(result.err.find(path), std::string::npos) << result.err;
    }
    // A text file that is not there is no empty import either.
    const ChildResult missingText = cvctl(m_empty, "import-contacts", m_folder.file("missing.txt"));
    EXPECT_EQ(missingText.exitCode, 1);
    EXPECT_NE(missingText.err.find("cannot be opened"), std::string::npos) << missingText.err;

    // A wrong password: the lists would come back empty, so the sign-in decides.
    const Credentials wrong { m_demo.account, "wrong" };
    const ChildResult refused = cvctl(wrong, "export-contacts", m_folder.file("wrong.csv"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("sign-in"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(m_folder.file("wrong.csv")));
    EXPECT_EQ(cvctl(wrong, "import-contacts", write("one.csv", "13501010109,a\n")).exitCode, 1);
    EXPECT_EQ(contactsOf(m_demo).size(), 40u);

    // A file that cannot be written.
    const ChildResult unwritable = cvctl(m_demo, "export-contacts", m_folder.file("no/such/folder/book.xlsx"));
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.out, "");
}
