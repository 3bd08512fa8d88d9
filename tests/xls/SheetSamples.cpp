#include "SheetSamples.h"

#include <cstdio>

namespace xls::test {

std::string fixture(const std::string& name)
{
    return std::string(XLS_FIXTURES_DIR) + "/" + name;
}

SheetRows contactsFixtureRows()
{
    return {
        { "phone", "addressname", "note" },
        { "13800138000", "张三", "" },
        { "13912345678", "李四, Jr.", "备注 \"引号\"" },
        { "021-12345678", "王五", "" },
        { "", "赵六", "没有号码" },
        { "3.14", "红色加粗", "0.1" },
        { "-42", "Ünïcödé 😀", "100000000000000000000" },
        { "0123", "第一行\n第二行", "1.5e-07" },
        { "", "", "只有第三列" },
    };
}

SheetRow longFixtureRow(long i)
{
    if (i == 1)
        return { "phone", "addressname" };
    char name[64];
    std::snprintf(name, sizeof name, "用户%04ld号联系人", i - 1);
    return { std::to_string(13800000000L + i - 1), name };
}

SheetRows awkwardRows()
{
    return {
        { "phone", "addressname", "note" },
        { "13800138000", "张三", "" },
        { "13912345678", "李四, Jr.", "他说 \"你好\"" },
        { "", "没有号码", "semi;colon" },
        { "0123", "  前后空格  ", "" },
        { "13700001111", "第一行\n第二行", "CR\r\nLF" },
        { "15000000000", "emoji 😀 𠀀", "'quote" },
        { "", "", "只有第三列" },
        { "16600000000", std::string(300, 'x') + "长", "" },
    };
}

SheetRows phoneBook(long count)
{
    SheetRows rows;
    rows.reserve(static_cast<std::size_t>(count) + 1);
    rows.push_back({ "phone", "addressname" });
    for (long i = 0; i < count; ++i)
        rows.push_back({ std::to_string(13800000000L + i), "联系人" + std::to_string(i) });
    return rows;
}

SheetRows readAll(const CSpreadSheet& sheet)
{
    SheetRows rows;
    SheetRow row;
    for (long r = 1; r <= sheet.GetTotalRows(); ++r) {
        sheet.ReadRow(row, r);
        rows.push_back(row);
    }
    return rows;
}

std::string writeSheet(const std::string& path, const std::string& sheetName, const SheetRows& rows)
{
    CSpreadSheet sheet(path, sheetName, true);
    sheet.BeginTransaction();
    for (const SheetRow& row : rows)
        sheet.AddRow(row);
    return sheet.Commit() ? std::string() : sheet.errorMessage();
}

} // namespace xls::test
