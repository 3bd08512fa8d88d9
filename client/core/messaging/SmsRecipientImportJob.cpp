#include "core/messaging/SmsRecipientImportJob.h"

#include "core/service/ProgressReporter.h"

#include "xls/CSpreadSheet.h"

#include <QCoreApplication>
#include <QString>

#include <thread>

namespace {

bool isTemplateHeader(const std::string& cell)
{
    return QString::fromStdString(cell).trimmed().compare(QLatin1String("phone"), Qt::CaseInsensitive) == 0;
}

} // namespace

SmsRecipientImportJob::SmsRecipientImportJob(std::string path, std::chrono::milliseconds pause)
    : m_path(std::move(path))
    , m_pause(pause)
{
}

bool SmsRecipientImportJob::readsFile(const std::string& path)
{
    return xls::sheetFormatOf(path) != xls::SheetFormat::Unknown;
}

SmsRecipientImportReply SmsRecipientImportJob::operator()(
    CCvService&, const Credentials&, ProgressReporter& progress) const
{
    SmsRecipientImportReply reply;
    const CSpreadSheet sheet(m_path, "Sheet1", false);
    reply.fileFailed = !sheet.isReadable();
    std::vector<std::string> cells;
    for (long row = 1; row <= sheet.GetTotalRows() && !progress.cancelled(); ++row) {
        progress.setStatus(
            int(row - 1), QCoreApplication::translate("SmsRecipientImportJob", "正在导入数据(%1)...").arg(row - 1));
        sheet.ReadRow(cells, row);
        const std::string first = cells.empty() ? std::string() : cells.front();
        std::this_thread::sleep_for(m_pause);
        if (row == 1 && isTemplateHeader(first))
            continue;
        reply.gathered += first + ',';
    }
    if (reply.fileFailed)
        reply.gathered.clear();
    progress.finish(-1, -1);
    return reply;
}
