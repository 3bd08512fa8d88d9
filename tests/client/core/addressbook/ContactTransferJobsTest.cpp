#include "core/addressbook/ContactTransferJobs.h"
#include "core/service/ProgressReporter.h"
#include "core/service/ResultText.h"
#include "core/service/ServiceCall.h"

#include "ServiceProcess.h"

#include <QTemporaryDir>
#include <QTest>

#include <fstream>

namespace {

const Credentials kDemo { "13800138000", "123456" };

std::vector<std::string> contactPhones()
{
    std::string text;
    int count = 0;
    CCvService().QueryClientAddress(kDemo.account.c_str(), kDemo.password.c_str(), text, count);
    std::vector<std::string> phones;
    for (const std::string& row : ResultText::rows(text)) {
        const auto fields = ResultText::fields(row);
        if (fields.size() > 3)
            phones.push_back(fields[3]);
    }
    return phones;
}

bool has(const std::vector<std::string>& phones, const std::string& phone)
{
    return std::find(phones.begin(), phones.end(), phone) != phones.end();
}

ContactImportReply import(const std::string& path, ProgressReporter& progress)
{
    CCvService service;
    return ContactImportJob(path, std::chrono::milliseconds(0))(service, kDemo, progress);
}

} // namespace

// Import and export of contact files against a real cvservice.
class ContactTransferJobsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_service.start(QStringLiteral(CVSERVICE_PATH))); }

    void aTextFileAddsEveryCompleteLine()
    {
        // GB18030, as the export writes it: the header, two contacts, one line without a name.
        const std::string path = m_dir.filePath(QStringLiteral("import.txt")).toStdString();
        std::ofstream(path, std::ios::binary)
            << "phone,addressname\r\n13501010101,\xCD\xF5\xCE\xE5\r\n13501010102,\xD5\xD4\xC1\xF9\r\n13501010103\r\n";
        ProgressReporter progress;
        const ContactImportReply reply = import(path, progress);
        QCOMPARE(reply.added, 2);
        QCOMPARE(reply.refused, 1);
        QVERIFY(!reply.fileFailed);
        QVERIFY(progress.finished());
        QCOMPARE(progress.successCount(), 2);
        QCOMPARE(progress.failureCount(), 1);
        const std::vector<std::string> phones = contactPhones();
        QVERIFY(has(phones, "13501010101") && has(phones, "13501010102"));
        QVERIFY(!has(phones, "13501010103"));
    }

    void aSpreadsheetFromARealProgramIsImported()
    {
        ProgressReporter progress;
        const ContactImportReply reply = import(XLS_FIXTURES_DIR "/contacts.xlsx", progress);
        QVERIFY(!reply.fileFailed);
        QVERIFY(reply.added >= 2);
        QVERIFY(has(contactPhones(), "13912345678"));
        QCOMPARE(progress.successCount() + progress.failureCount(), reply.added + reply.refused);
    }

    void aSpreadsheetThatCannotBeReadAddsNothingAndSaysSo()
    {
        ProgressReporter progress;
        const ContactImportReply reply = import(m_dir.filePath(QStringLiteral("missing.xls")).toStdString(), progress);
        QVERIFY(reply.fileFailed);
        QCOMPARE(reply.added, 0);
        QCOMPARE(progress.successCount(), 0);
        QVERIFY(ContactImportJob::fileFailureText().startsWith(QStringLiteral("文件导入失败")));
    }

    void aCancelledImportStopsBeforeTheNextRecord()
    {
        const std::string path = m_dir.filePath(QStringLiteral("cancelled.txt")).toStdString();
        std::ofstream(path, std::ios::binary) << "13502020201,a\r\n13502020202,b\r\n";
        ProgressReporter progress;
        progress.cancel();
        const ContactImportReply reply = import(path, progress);
        QCOMPARE(reply.added + reply.refused, 0);
        QVERIFY(!has(contactPhones(), "13502020201"));
    }

    void anExportWritesEveryContactAndClosesTheDialog()
    {
        std::vector<ContactRecord> contacts(2);
        contacts[0].phone = "1";
        contacts[0].addressname = "甲";
        contacts[1].phone = "2";
        contacts[1].addressname = "乙";
        const std::string path = m_dir.filePath(QStringLiteral("out.csv")).toStdString();
        ProgressReporter progress;
        CCvService service;
        const ContactExportReply reply = ContactExportJob(path, contacts)(service, kDemo, progress);
        QVERIFY(reply.error.isEmpty());
        QVERIFY(progress.finished());
        QCOMPARE(progress.successCount(), -1); // no counts for an export
        std::ifstream in(path, std::ios::binary);
        const std::string bytes { std::istreambuf_iterator<char>(in), {} };
        QVERIFY(bytes.find("乙") != std::string::npos);

        const ContactExportReply refused
            = ContactExportJob(m_dir.filePath(QStringLiteral("no/such/folder/out.xlsx")).toStdString(), contacts)(
                service, kDemo, progress);
        QVERIFY(!refused.error.isEmpty());
    }

private:
    ServiceProcess m_service;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(ContactTransferJobsTest)
#include "ContactTransferJobsTest.moc"
