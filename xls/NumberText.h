#pragma once

#include <string>

namespace xls {

// A numeric cell as the text the address book needs: a phone number typed into a
// spreadsheet program is stored as a number and must come back as its digits
// ("13800138000", never "1.38e+10" or "13800138000.0"). Integral values print
// without exponent or fraction; others in their shortest exact form.
std::string numberText(double value);

} // namespace xls
