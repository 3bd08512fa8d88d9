#pragma once

#include <string>

namespace cvservice {

// The workbook the client's import dialog offers for download: an Excel 97-2003
// file whose sheet "Sheet1" holds the two headers an address-book import reads,
// "phone" and "addressname".
class AddressBookTemplate {
public:
    static constexpr const char* kPath = "/addressbook/demo/通讯录模板.xls";

    // The file's bytes, made once; empty if it could not be made.
    static const std::string& workbook();
};

} // namespace cvservice
