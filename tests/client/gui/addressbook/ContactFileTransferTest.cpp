// Export and import of the address book from the management window's buttons, over
// the demo account in a real cvservice: the file dialogs answered by the test, the
// progress dialog run for real.

#include "addressbook/ContactFileTransfer.h"
#include "addressbook/AddressBookWindow.h"
#include "widgets/ImportFileDialog.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/addressbook/ContactFile.h"
#include "core/addressbook/ContactTransferJobs.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "skin/CStaticEx.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include "EventRecorder.h"
#include "ServiceBook.h"
#include "ServiceProcess.h"
#include "WhenModal.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using serviceBook::contactByPhone;
using serviceBook::kDemo;

class ContactFileTransferTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void exportWritesEveryContactInOrder_data();
    void exportWritesEveryContactInOrder();
    void anUnknownEndingOrNoChoiceStartsNothing();
    void anExportThatCannotBeWrittenSaysSo();
    void importAddsTheRowsReportsTheCountsAndSynchronises();
    void anUnreadableSpreadsheetIsSaidAfterTheCounts();
    void aCancelledImportKeepsWhatWasAddedAndSynchronises();
    void theImportDialogTakesABrowsedFileAndLinksTheTemplate();

private:
    bool loadBook();
    QString write(const QString& name, const QByteArray& bytes) const;
    void click(const char* buttonName) const;
    static void answerImportDialog(const QString& path);

    ServiceProcess m_service;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SessionState> m_session;
    EventRecorder m_mainWindow;
    std::unique_ptr<AddressBookLoader> m_loader;
    std::unique_ptr<AddressBookWindow> m_window;
    int m_synchronised = 0;
};

void ContactFileTransferTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void ContactFileTransferTest::init()
{
    m_service.pointClientHere();
    m_dir = std::make_unique<QTemporaryDir>();
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_loader = std::make_unique<AddressBookLoader>(*m_session, &m_mainWindow);
    QVERIFY(loadBook());
    m_window = std::make_unique<AddressBookWindow>(*m_session, nullptr);
    m_synchronised = 0;
    m_window->setSynchronise([this] { ++m_synchronised; });
    m_window->show();
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
    FileDialog::clearNextAnswers();
}

void ContactFileTransferTest::cleanup()
{
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_window.reset();
    m_loader.reset();
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
    QCOMPARE(FileDialog::pendingAnswers(), 0);
}

bool ContactFileTransferTest::loadBook()
{
    m_loader->Synchronise();
    return QTest::qWaitFor([this] { return !m_loader->calls().anyBusy(); }, 20000);
}

QString ContactFileTransferTest::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// The buttons run their modal dialogs to the end before the click returns.
void ContactFileTransferTest::click(const char* buttonName) const
{
    auto* button = m_window->findChild<CButtonPNG*>(QLatin1String(buttonName));
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void ContactFileTransferTest::answerImportDialog(const QString& path)
{
    whenModal<ImportFileDialog>([path](ImportFileDialog* dialog) {
        QTest::keyClicks(dialog->pathEdit(), path);
        dialog->findChild<CButtonPNG*>(QStringLiteral("okButton"))->click();
    });
}

void ContactFileTransferTest::exportWritesEveryContactInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("text") << QStringLiteral("contacts.TXT");
    QTest::newRow("xls") << QStringLiteral("contacts.xls");
    QTest::newRow("xlsx") << QStringLiteral("contacts.xlsx");
    QTest::newRow("csv") << QStringLiteral("contacts.csv");
}

void ContactFileTransferTest::exportWritesEveryContactInOrder()
{
    QFETCH(QString, name);
    const QString path = m_dir->filePath(name);
    FileDialog::setNextAnswer(path);
    click("exportButton");

    const AddressBook& book = m_session->addressBook();
    QVERIFY(book.contactCount() > 0);
    const ContactFileRows file = readContactFile(path.toStdString());
    QVERIFY(!file.readFailed);
    QCOMPARE(int(file.rows.size()), book.contactCount());
    for (int i = 0; i < book.contactCount(); ++i) {
        QCOMPARE(file.rows[std::size_t(i)].phone, book.contacts()[std::size_t(i)].phone);
        QCOMPARE(file.rows[std::size_t(i)].addressname, book.contacts()[std::size_t(i)].addressname);
    }
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QCOMPARE(m_synchronised, 0);
}

void ContactFileTransferTest::anUnknownEndingOrNoChoiceStartsNothing()
{
    FileDialog::setNextAnswer(m_dir->filePath(QStringLiteral("contacts.doc")));
    click("exportButton");
    FileDialog::setNextAnswer(QString());
    click("exportButton");
    QVERIFY(QDir(m_dir->path()).isEmpty());

    whenModal<ImportFileDialog>([](ImportFileDialog* dialog) { dialog->reject(); });
    click("importButton");
    answerImportDialog(write(QStringLiteral("contacts.doc"), "phone,addressname\n13911110000,Doc\n"));
    click("importButton");
    answerImportDialog(QString());
    click("importButton");

    QCOMPARE(m_synchronised, 0);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QVERIFY(!contactByPhone("13911110000"));
}

void ContactFileTransferTest::anExportThatCannotBeWrittenSaysSo()
{
    FileDialog::setNextAnswer(m_dir->filePath(QStringLiteral("gone/contacts.xls")));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    click("exportButton");

    QTRY_COMPARE(MessageBoxDialog::answeredTexts().size(), 1);
    QVERIFY(MessageBoxDialog::answeredTexts().first().startsWith(QStringLiteral("文件导出失败：")));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("gone/contacts.xls"))));
}

void ContactFileTransferTest::importAddsTheRowsReportsTheCountsAndSynchronises()
{
    const QString path = write(QStringLiteral("people.csv"),
        QStringLiteral("phone,addressname\r\n13922220001,\"张,三\"\r\n13922220002,李四\r\n13922220003\r\n").toUtf8());
    answerImportDialog(path);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    click("importButton");

    // The job's reply, which synchronises, may follow the dialog's end.
    QTRY_COMPARE(m_synchronised, 1);
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("成功：2,失败：1") });
    QCOMPARE(contactByPhone("13922220001").value_or(ContactRecord {}).addressname, std::string("张,三"));
    QCOMPARE(contactByPhone("13922220002").value_or(ContactRecord {}).addressname, std::string("李四"));
    QVERIFY(!contactByPhone("13922220003"));
}

void ContactFileTransferTest::anUnreadableSpreadsheetIsSaidAfterTheCounts()
{
    answerImportDialog(write(QStringLiteral("not-a-workbook.xls"), "phone,addressname\n13933330000,假的\n"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    click("importButton");

    QTRY_COMPARE(m_synchronised, 1);
    QCOMPARE(MessageBoxDialog::answeredTexts(),
        (QStringList { QStringLiteral("成功：0,失败：0"), ContactImportJob::fileFailureText() }));
    QVERIFY(!contactByPhone("13933330000"));
}

void ContactFileTransferTest::aCancelledImportKeepsWhatWasAddedAndSynchronises()
{
    QByteArray lines = "phone,addressname\n";
    for (int i = 0; i < 200; ++i)
        lines += QStringLiteral("1394444%1,联系人%2\n").arg(i, 4, 10, QLatin1Char('0')).arg(i).toUtf8();
    answerImportDialog(write(QStringLiteral("many.txt"), lines));
    whenModal<ProgressDialog>([](ProgressDialog* progress) {
        // Cancel once the first contacts are in.
        QTimer::singleShot(300, progress, &ProgressDialog::reject);
    });
    click("importButton");

    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    QCOMPARE(m_synchronised, 1);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QVERIFY(contactByPhone("13944440000"));
    QVERIFY(!contactByPhone("13944440199"));
}

void ContactFileTransferTest::theImportDialogTakesABrowsedFileAndLinksTheTemplate()
{
    ImportFileDialog dialog;
    const QString chosen = m_dir->filePath(QStringLiteral("chosen.xlsx"));
    FileDialog::setNextAnswer(chosen);
    dialog.findChild<CButtonPNG*>(QStringLiteral("browseButton"))->click();
    QCOMPARE(dialog.path(), chosen);
    QCOMPARE(dialog.pathEdit()->text(), chosen);

    // A cancelled browse keeps the path; typing replaces it.
    FileDialog::setNextAnswer(QString());
    dialog.browse();
    QCOMPARE(dialog.path(), chosen);
    dialog.pathEdit()->setText(QStringLiteral("typed.txt"));
    QCOMPARE(dialog.path(), QStringLiteral("typed.txt"));

    const QUrl link = dialog.templateLink()->url();
    QCOMPARE(link.path(), QStringLiteral("/addressbook/demo/通讯录模板.xls"));
    QCOMPARE(link.port(), m_service.httpPort().toInt());
}

QTEST_MAIN(ContactFileTransferTest)
#include "ContactFileTransferTest.moc"
