#include "core/addressbook/ContactTransferJobs.h"

#include "core/addressbook/ContactFile.h"
#include "core/addressbook/ContactImport.h"
#include "core/service/ServiceCall.h"

#include <QCoreApplication>

#include <thread>

namespace {

// A status line every so many contacts: an export of thousands must not flood the
// dialog with events it cannot show anyway.
constexpr int kExportStatusEvery = 100;

} // namespace

ContactExportJob::ContactExportJob(std::string path, std::vector<ContactRecord> contacts)
    : m_path(std::move(path))
    , m_contacts(std::move(contacts))
{
}

ContactExportReply ContactExportJob::operator()(CCvService&, const Credentials&, ProgressReporter& progress) const
{
    const int last = int(m_contacts.size()) - 1;
    const std::string error = writeContactFile(m_path, m_contacts, [&progress, last](int index) {
        if (index % kExportStatusEvery == 0 || index == last)
            progress.setStatus(
                index, QCoreApplication::translate("ContactExportJob", "正在导出数据(%1)...").arg(index));
        return !progress.cancelled();
    });
    progress.finish(-1, -1);
    return { QString::fromStdString(error) };
}

ContactImportJob::ContactImportJob(std::string path, std::chrono::milliseconds pause)
    : m_path(std::move(path))
    , m_pause(pause)
{
}

QString ContactImportJob::fileFailureText()
{
    return QCoreApplication::translate("ContactImportJob", "文件导入失败，请检查文件是否存在或已被其它程序打开。");
}

ContactImportReply ContactImportJob::operator()(
    CCvService& service, const Credentials& who, ProgressReporter& progress) const
{
    const ContactFileRows file = readContactFile(m_path);
    // Text lines count the one being added; spreadsheet rows the ones done before it.
    const int shownOffset = contactFileFormat(m_path) == ContactFileFormat::Txt ? 1 : 0;
    const ContactImportCounts counts = importContactRows(service, who, file.rows, [&](std::size_t row) {
        if (progress.cancelled())
            return false;
        const int shown = int(row) + shownOffset;
        progress.setStatus(shown, QCoreApplication::translate("ContactImportJob", "正在导入数据(%1)...").arg(shown));
        std::this_thread::sleep_for(m_pause);
        return true;
    });
    ContactImportReply reply;
    reply.added = counts.added;
    reply.refused = counts.refused;
    reply.fileFailed = file.readFailed;
    if (!progress.cancelled())
        progress.finish(reply.added, reply.refused);
    return reply;
}
