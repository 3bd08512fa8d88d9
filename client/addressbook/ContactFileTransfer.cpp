#include "addressbook/ContactFileTransfer.h"

#include "widgets/ImportFileDialog.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/ContactFile.h"
#include "core/addressbook/ContactTransferJobs.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include <QWidget>

#include <utility>

ContactFileTransfer::ContactFileTransfer(const SessionState& session, std::function<void()> synchronise, QWidget* owner)
    : QObject(owner)
    , m_session(session)
    , m_synchronise(std::move(synchronise))
    , m_owner(owner)
    , m_calls(new ServiceCall(session, this))
{
}

void ContactFileTransfer::exportContacts()
{
    if (isRunning())
        return;
    const QString path = FileDialog::saveFileName(m_owner, tr("导出"),
        { tr("文本文件(*.txt)"), tr("电子表格(*.xls)"), tr("Excel 工作簿(*.xlsx)"), tr("CSV 文件(*.csv)") });
    if (contactFileFormat(path.toStdString()) == ContactFileFormat::None)
        return;
    const AddressBook& book = m_session.addressBook();
    std::vector<ContactRecord> contacts(book.contacts().begin(), book.contacts().begin() + book.contactCount());
    runUnderProgress(Kind::Export, [this, path, &contacts](ProgressDialog& progress) {
        m_calls->startWithProgress(
            Msg::ContactsExported, progress.reporter(), ContactExportJob(path.toStdString(), std::move(contacts)));
    });
}

void ContactFileTransfer::importContacts()
{
    if (isRunning())
        return;
    ImportFileDialog chooser(m_owner);
    if (chooser.exec() != QDialog::Accepted)
        return;
    const QString path = chooser.path();
    if (contactFileFormat(path.toStdString()) == ContactFileFormat::None)
        return;
    runUnderProgress(Kind::Import, [this, path](ProgressDialog& progress) {
        m_calls->startWithProgress(Msg::ContactsImported, progress.reporter(), ContactImportJob(path.toStdString()));
    });
}

void ContactFileTransfer::runUnderProgress(Kind kind, const std::function<void(ProgressDialog&)>& start)
{
    ProgressDialog progress(m_owner);
    m_progress = &progress;
    start(progress);
    const bool cancelled = progress.exec() == QDialog::Rejected;
    m_progress = nullptr;
    if (cancelled) {
        // The job's reply is dropped, but the contacts an import sent stay added.
        m_heldReply = nullptr;
        if (kind == Kind::Import && m_synchronise)
            m_synchronise();
        return;
    }
    if (m_heldReply)
        std::exchange(m_heldReply, nullptr)();
}

bool ContactFileTransfer::event(QEvent* event)
{
    const int message = AppEvent::messageOf(event);
    if (message != Msg::ContactsExported && message != Msg::ContactsImported)
        return QObject::event(event);
    auto* appEvent = static_cast<AppEvent*>(event);
    std::function<void()> handle;
    if (const auto* reply = appEvent->payload<ContactExportReply>())
        handle = [this, reply = *reply] { exported(reply); };
    else if (const auto* reply = appEvent->payload<ContactImportReply>())
        handle = [this, reply = *reply] { imported(reply); };
    if (m_progress)
        m_heldReply = std::move(handle);
    else if (handle)
        handle();
    return true;
}

void ContactFileTransfer::exported(const ContactExportReply& reply)
{
    if (!reply.error.isEmpty())
        MessageBoxDialog::run(m_owner, tr("文件导出失败：%1").arg(reply.error), tr("提示"));
}

void ContactFileTransfer::imported(const ContactImportReply& reply)
{
    if (reply.fileFailed)
        MessageBoxDialog::run(m_owner, ContactImportJob::fileFailureText(), tr("提示"));
    if (m_synchronise)
        m_synchronise();
}
