#include "core/account/ChargeExportJob.h"

#include "core/service/ProgressReporter.h"

#include "xls/SheetFormat.h"
#include "xls/SheetWriter.h"

namespace {

constexpr char kSheetName[] = "Sheet1";

} // namespace

bool ChargeExportJob::writes(const std::string& path)
{
    const xls::SheetFormat format = xls::sheetFormatOf(path);
    return format == xls::SheetFormat::Csv || format == xls::SheetFormat::Xlsx;
}

std::string ChargeExportJob::write(const std::string& path, const xls::SheetRows& rows)
{
    if (!writes(path))
        return "unknown file type";
    const auto writer = xls::SheetWriter::create(xls::sheetFormatOf(path));
    const xls::Status status = writer->write(path, kSheetName, rows);
    return status ? std::string() : status.message();
}

ChargeExportReply ChargeExportJob::operator()(CCvService&, const Credentials&, ProgressReporter& progress) const
{
    ChargeExportReply reply { write(m_path, m_rows) };
    progress.finish(-1, -1);
    return reply;
}
