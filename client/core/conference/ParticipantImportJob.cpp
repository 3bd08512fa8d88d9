#include "core/conference/ParticipantImportJob.h"

#include "core/service/ProgressReporter.h"

#include "xls/CSpreadSheet.h"

#include <QCoreApplication>

#include <thread>

namespace {

constexpr int kMinimumPhoneLength = 7;

} // namespace

ParticipantImportJob::ParticipantImportJob(std::string path, std::chrono::milliseconds pause)
    : m_path(std::move(path))
    , m_pause(pause)
{
}

bool ParticipantImportJob::readsFile(const std::string& path)
{
    return xls::sheetFormatOf(path) != xls::SheetFormat::Unknown;
}

ParticipantImportReply ParticipantImportJob::operator()(
    CCvService&, const Credentials&, ProgressReporter& progress) const
{
    ParticipantImportReply reply;
    const CSpreadSheet sheet(m_path, "Sheet1", false);
    reply.fileFailed = !sheet.isReadable();
    std::vector<std::string> cells;
    for (long row = 1; row <= sheet.GetTotalRows() && !progress.cancelled(); ++row) {
        progress.setStatus(
            int(row), QCoreApplication::translate("ParticipantImportJob", "正在导入数据(%1)...").arg(row));
        sheet.ReadRow(cells, row);
        const std::string phone = cells.empty() ? std::string() : cells[0];
        if (QString::fromStdString(phone).size() >= kMinimumPhoneLength)
            reply.participants.push_back({ phone, cells.size() > 1 ? cells[1] : std::string() });
        std::this_thread::sleep_for(m_pause);
    }
    progress.finish(-1, -1);
    return reply;
}
