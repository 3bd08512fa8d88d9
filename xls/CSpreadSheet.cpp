#include "xls/CSpreadSheet.h"

#include "xls/SheetReader.h"
#include "xls/SheetWriter.h"

#include <algorithm>
#include <sys/stat.h>

using xls::FileError;
using xls::SheetRow;
using xls::Status;

namespace {

bool isEmptyRow(const SheetRow& row)
{
    for (const std::string& cell : row) {
        if (!cell.empty())
            return false;
    }
    return true;
}

std::size_t usedWidth(const SheetRow& row)
{
    std::size_t width = row.size();
    while (width > 0 && row[width - 1].empty())
        --width;
    return width;
}

} // namespace

CSpreadSheet::CSpreadSheet(std::string path, std::string sheetName, bool create)
    : m_path(std::move(path))
    , m_sheetName(std::move(sheetName))
    , m_format(xls::sheetFormatOf(m_path))
    , m_create(create)
{
    load();
}

void CSpreadSheet::load()
{
    const auto reader = xls::SheetReader::create(m_format);
    if (!reader) {
        m_status = { FileError::UnknownFormat, m_path + ": not a spreadsheet file (.xls, .xlsx or .csv)" };
        return;
    }
    m_status = reader->read(m_path, m_sheetName, m_rows);
    if (!m_status) {
        m_rows.clear();
        return;
    }
    m_readable = true;
    dropTrailingEmptyRows();
    for (const SheetRow& row : m_rows)
        updateWidth(row);
}

void CSpreadSheet::dropTrailingEmptyRows()
{
    while (!m_rows.empty() && isEmptyRow(m_rows.back()))
        m_rows.pop_back();
}

void CSpreadSheet::updateWidth(const SheetRow& row)
{
    m_width = std::max(m_width, usedWidth(row));
}

bool CSpreadSheet::BeginTransaction()
{
    m_rows.clear();
    m_width = 0;
    m_status = {};
    return true;
}

bool CSpreadSheet::AddHeaders(const std::vector<std::string>& headers, bool replace)
{
    if (m_rows.empty())
        m_rows.push_back(headers);
    else if (replace)
        m_rows.front() = headers;
    else
        return false;
    updateWidth(headers);
    return true;
}

bool CSpreadSheet::AddRow(const std::vector<std::string>& cells, long row, bool replace)
{
    if (row < 0)
        return false;
    const auto count = static_cast<long>(m_rows.size());
    if (row == 0 || row == count + 1) {
        m_rows.push_back(cells);
    } else if (row <= count) {
        if (replace) {
            m_rows[static_cast<std::size_t>(row - 1)] = cells;
            m_width = 0; // the replaced row may have been the widest
            for (const SheetRow& each : m_rows)
                updateWidth(each);
        } else
            m_rows.insert(m_rows.begin() + (row - 1), cells);
    } else {
        m_rows.resize(static_cast<std::size_t>(row - 1));
        m_rows.push_back(cells);
    }
    updateWidth(cells);
    return true;
}

bool CSpreadSheet::Commit()
{
    const auto writer = xls::SheetWriter::create(m_format);
    if (!writer) {
        m_status = { FileError::UnknownFormat, m_path + ": not a spreadsheet file (.xls, .xlsx or .csv)" };
        return false;
    }
    struct stat info { };
    if (!m_create && ::stat(m_path.c_str(), &info) != 0) {
        m_status = { FileError::NotFound, m_path + ": no such file" };
        return false;
    }
    // Written as read: trailing empty rows and cells are not part of the sheet.
    // The copy is made only when there is something to trim.
    const auto rowCount = static_cast<std::size_t>(GetTotalRows());
    bool trimmed = rowCount == m_rows.size();
    for (std::size_t r = 0; trimmed && r < rowCount; ++r)
        trimmed = usedWidth(m_rows[r]) == m_rows[r].size();
    if (trimmed) {
        m_status = writer->write(m_path, m_sheetName, m_rows);
    } else {
        xls::SheetRows rows(m_rows.begin(), m_rows.begin() + static_cast<std::ptrdiff_t>(rowCount));
        for (SheetRow& cells : rows)
            cells.resize(usedWidth(cells));
        m_status = writer->write(m_path, m_sheetName, rows);
    }
    return m_status.isOk();
}

long CSpreadSheet::GetTotalRows() const
{
    std::size_t count = m_rows.size();
    while (count > 0 && isEmptyRow(m_rows[count - 1]))
        --count;
    return static_cast<long>(count);
}

long CSpreadSheet::GetTotalColumns() const
{
    return static_cast<long>(m_width);
}

bool CSpreadSheet::ReadRow(std::vector<std::string>& cells, long row) const
{
    cells.clear();
    if (row < 1 || row > GetTotalRows())
        return false;
    cells = m_rows[static_cast<std::size_t>(row - 1)];
    cells.resize(m_width);
    return true;
}
