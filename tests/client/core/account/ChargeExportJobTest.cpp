#include "core/account/ChargeExportJob.h"

#include "ForeignReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using xls::test::ForeignReader;

namespace {

const xls::SheetRows kTable {
    { "会议编号", "主持电话", "开始时间", "结束时间", "会议费用" },
    { "2013061721402201", "13800138000", "2013-06-17 21:40", "2013-06-17 22:10", "12.34" },
    { "2013061809000001", "13800138000", "2013-06-18 09:00", "2013-06-18 09:30", "4.50" },
};

class ChargeExportJobTest : public ::testing::Test {
protected:
    std::filesystem::path file(const char* name) const { return m_dir / name; }

    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path()
            / ("charge-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path m_dir;
};

} // namespace

TEST_F(ChargeExportJobTest, AnotherProgramReadsTheTableBackFromCsvAndXlsx)
{
    const std::string csv = file("bills.csv").string();
    ASSERT_EQ(ChargeExportJob::write(csv, kTable), "");
    std::ifstream in(csv, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    const auto fromCsv = ForeignReader::csv(csv);
    ASSERT_EQ(fromCsv.exitCode, 0) << fromCsv.output;
    EXPECT_EQ(fromCsv.rows, kTable);

    const std::string xlsx = file("bills.XLSX").string();
    ASSERT_EQ(ChargeExportJob::write(xlsx, kTable), "");
    const auto fromXlsx = ForeignReader::openpyxl(xlsx, "Sheet1");
    ASSERT_EQ(fromXlsx.exitCode, 0) << fromXlsx.output;
    EXPECT_EQ(fromXlsx.rows, kTable);
}

TEST_F(ChargeExportJobTest, OtherEndingsAndUnwritablePlacesAreRefusedAndNothingIsLeft)
{
    EXPECT_FALSE(ChargeExportJob::writes("bills.xls"));
    EXPECT_FALSE(ChargeExportJob::writes("bills.txt"));
    EXPECT_NE(ChargeExportJob::write(file("bills.txt").string(), kTable), "");
    EXPECT_FALSE(std::filesystem::exists(file("bills.txt")));
    EXPECT_NE(ChargeExportJob::write(file("missing/bills.csv").string(), kTable), "");
}
