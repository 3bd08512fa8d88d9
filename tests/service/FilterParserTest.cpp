#include "FilterParser.h"

#include <gtest/gtest.h>

namespace cvservice {
namespace {

TEST(FilterParserTest, ReadsTheClientFilters)
{
    const FilterParser parser({ "meettime", "processtime" }, { "regphoneid" });
    const auto parsed
        = parser.parse(" meettime >= '2026-12-01' and processtime <='2026-12-08 10:30' AND regphoneid ='13800138000'");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 3u);
    EXPECT_EQ((*parsed)[0].column, "meettime");
    EXPECT_EQ((*parsed)[0].op, ">=");
    EXPECT_EQ((*parsed)[0].value, "2026-12-01T00:00:00") << "dates compare as the stored times";
    EXPECT_EQ((*parsed)[1].op, "<=");
    EXPECT_EQ((*parsed)[1].value, "2026-12-08T10:30:00");
    EXPECT_EQ((*parsed)[2].value, "13800138000");
    EXPECT_TRUE(parser.parse("")->empty());
    EXPECT_TRUE(parser.parse("   ")->empty());
}

TEST(FilterParserTest, RefusesEverythingElse)
{
    const FilterParser parser({ "meettime" }, { "regphoneid" });
    for (const char* filter : {
             "meettime >= '2026-12-01' or meettime < '2026-01-01'",
             "meettime >= '2026-12-01' and",
             "meettime >= 2026-12-01",
             "meettime >= '2026-02-30'",
             "meettime => '2026-12-01'",
             "meettime <> '2026-12-01'",
             "charge >= '1'",
             "regphoneid > '1'",
             "regphoneid = '1' union select password from accounts",
             "meettime >= '2026-12-01'; delete from accounts",
             "meettime >= '2026-12-01",
             "(meettime >= '2026-12-01')",
         })
        EXPECT_FALSE(parser.parse(filter)) << filter;
}

} // namespace
} // namespace cvservice
