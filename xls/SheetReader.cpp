#include "xls/SheetReader.h"

#include "xls/CsvReader.h"
#include "xls/XlsReader.h"
#include "xls/XlsxReader.h"

namespace xls {

std::unique_ptr<SheetReader> SheetReader::create(SheetFormat format)
{
    switch (format) {
    case SheetFormat::Xls:
        return std::make_unique<XlsReader>();
    case SheetFormat::Xlsx:
        return std::make_unique<XlsxReader>();
    case SheetFormat::Csv:
        return std::make_unique<CsvReader>();
    case SheetFormat::Unknown:
        break;
    }
    return nullptr;
}

} // namespace xls
