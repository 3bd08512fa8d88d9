#pragma once

#include <string>
#include <string_view>

namespace xls {

// One iconv conversion, reused for many pieces of text.
class IconvConverter {
public:
    IconvConverter(const char* toCode, const char* fromCode);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool isValid() const;

    // Converts the whole of input. A byte sequence the source encoding does not
    // know is replaced by `replacement` (text in the target encoding) and skipped
    // one byte at a time, so a damaged file still reads.
    std::string convert(std::string_view input, std::string_view replacement);

private:
    void* m_handle;
};

} // namespace xls
