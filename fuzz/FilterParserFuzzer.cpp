// The filters of the charge and recording queries, which arrive as free text: what the
// parser lets through must name only the listed columns and operators.
#include "FilterParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const cvservice::FilterParser parser({ "meettime", "processtime" }, { "regphoneid" });
    static const std::set<std::string> columns { "meettime", "processtime", "regphoneid" };
    static const std::set<std::string> operators { "=", "<", "<=", ">", ">=" };
    const auto conditions = parser.parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!conditions)
        return 0;
    for (const cvservice::FilterCondition& condition : *conditions) {
        if (!columns.count(condition.column) || !operators.count(condition.op))
            std::abort();
    }
    return 0;
}
