#include "xls/XlsWriter.h"

#include "xls/AtomicFile.h"
#include "xls/BiffWorkbook.h"
#include "xls/CompoundFileWriter.h"

namespace xls {

Status XlsWriter::write(const std::string& path, const std::string& sheetName, const SheetRows& rows)
{
    if (Status status = checkSheetName(sheetName); !status)
        return status;
    if (Status status = checkLimits(path, rows, kMaxRows, kMaxColumns, kMaxCellCharacters); !status)
        return status;
    CompoundFileWriter compound;
    compound.addStream(u"Workbook", BiffWorkbook::build(sheetName, rows));
    AtomicFile file(path);
    if (Status status = file.open(); !status)
        return status;
    if (Status status = file.write(compound.build()); !status)
        return status;
    return file.commit();
}

} // namespace xls
