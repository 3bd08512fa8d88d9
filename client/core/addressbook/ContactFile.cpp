#include "core/addressbook/ContactFile.h"

#include "xls/CSpreadSheet.h"
#include "xls/CStdioFileEx.h"

#include <algorithm>
#include <cctype>

namespace {

const std::vector<std::string> kHeaders { "phone", "addressname" };
constexpr const char* kSheetName = "Sheet1";

bool endsWith(std::string_view path, std::string_view ending)
{
    if (path.size() < ending.size())
        return false;
    return std::equal(ending.rbegin(), ending.rend(), path.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

std::vector<std::string> splitAt(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

ContactFileRow rowOf(const std::vector<std::string>& fields)
{
    ContactFileRow row;
    row.complete = fields.size() >= 2;
    if (!fields.empty())
        row.phone = fields[0];
    if (row.complete)
        row.addressname = fields[1];
    return row;
}

ContactFileRows readText(const std::string& path)
{
    ContactFileRows result;
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::modeRead | CStdioFileEx::typeText))
        return result;
    std::string line;
    while (file.ReadString(line)) {
        // The header line, wherever it stands, is not a contact.
        if (line.find("phone,") != std::string::npos)
            continue;
        result.rows.push_back(rowOf(splitAt(line, ',')));
    }
    return result;
}

ContactFileRows readSheet(const std::string& path)
{
    ContactFileRows result;
    const CSpreadSheet sheet(path, kSheetName, false);
    if (!sheet.isReadable()) {
        result.readFailed = true;
        result.error = sheet.errorMessage();
        return result;
    }
    std::vector<std::string> cells;
    for (long row = 2; row <= sheet.GetTotalRows(); ++row) {
        sheet.ReadRow(cells, row);
        result.rows.push_back(rowOf(cells));
    }
    return result;
}

std::string writeText(
    const std::string& path, const std::vector<ContactRecord>& contacts, const std::function<bool(int)>& progress)
{
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::modeCreate | CStdioFileEx::modeWrite | CStdioFileEx::typeText))
        return file.status().message();
    file.WriteString("phone,addressname\n");
    for (int i = 0; i < int(contacts.size()); ++i) {
        if (progress && !progress(i))
            break;
        const ContactRecord& contact = contacts[std::size_t(i)];
        file.WriteString(contact.phone + "," + contact.addressname + "\n");
    }
    return file.Close() ? std::string() : file.status().message();
}

std::string writeSheet(
    const std::string& path, const std::vector<ContactRecord>& contacts, const std::function<bool(int)>& progress)
{
    CSpreadSheet sheet(path, kSheetName, true);
    sheet.BeginTransaction();
    sheet.AddHeaders(kHeaders, false);
    for (int i = 0; i < int(contacts.size()); ++i) {
        if (progress && !progress(i))
            break;
        const ContactRecord& contact = contacts[std::size_t(i)];
        if (!sheet.AddRow({ contact.phone, contact.addressname }, 0, false))
            return sheet.errorMessage();
    }
    return sheet.Commit() ? std::string() : sheet.errorMessage();
}

} // namespace

ContactFileFormat contactFileFormat(std::string_view path)
{
    if (endsWith(path, ".txt"))
        return ContactFileFormat::Txt;
    if (endsWith(path, ".xls"))
        return ContactFileFormat::Xls;
    if (endsWith(path, ".xlsx"))
        return ContactFileFormat::Xlsx;
    if (endsWith(path, ".csv"))
        return ContactFileFormat::Csv;
    return ContactFileFormat::None;
}

ContactFileRows readContactFile(const std::string& path)
{
    switch (contactFileFormat(path)) {
    case ContactFileFormat::Txt:
        return readText(path);
    case ContactFileFormat::None:
        return {};
    default:
        return readSheet(path);
    }
}

std::string writeContactFile(
    const std::string& path, const std::vector<ContactRecord>& contacts, const std::function<bool(int)>& progress)
{
    switch (contactFileFormat(path)) {
    case ContactFileFormat::Txt:
        return writeText(path, contacts, progress);
    case ContactFileFormat::None:
        return "unknown file type";
    default:
        return writeSheet(path, contacts, progress);
    }
}
