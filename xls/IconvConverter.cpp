#include "xls/IconvConverter.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace xls {

namespace {

iconv_t handleOf(void* handle)
{
    return static_cast<iconv_t>(handle);
}
const auto kInvalidHandle = reinterpret_cast<void*>(static_cast<std::intptr_t>(-1));

} // namespace

IconvConverter::IconvConverter(const char* toCode, const char* fromCode)
    : m_handle(iconv_open(toCode, fromCode))
{
}

IconvConverter::~IconvConverter()
{
    if (isValid())
        iconv_close(handleOf(m_handle));
}

bool IconvConverter::isValid() const
{
    return m_handle != kInvalidHandle;
}

std::string IconvConverter::convert(std::string_view input, std::string_view replacement)
{
    std::string output;
    if (!isValid())
        return output;
    iconv(handleOf(m_handle), nullptr, nullptr, nullptr, nullptr);
    output.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t used = 0;
    while (inLeft > 0) {
        char* out = output.data() + used;
        std::size_t outLeft = output.size() - used;
        const std::size_t result = iconv(handleOf(m_handle), &in, &inLeft, &out, &outLeft);
        used = output.size() - outLeft;
        if (result != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
        } else if (errno == EILSEQ || errno == EINVAL) {
            output.resize(used);
            output.append(replacement);
            used = output.size();
            output.resize(used + inLeft * 2 + 16);
            ++in;
            --inLeft;
            iconv(handleOf(m_handle), nullptr, nullptr, nullptr, nullptr);
        } else {
            break;
        }
    }
    // Flush any shift state the target encoding keeps.
    for (;;) {
        char* out = output.data() + used;
        std::size_t outLeft = output.size() - used;
        const std::size_t result = iconv(handleOf(m_handle), nullptr, nullptr, &out, &outLeft);
        used = output.size() - outLeft;
        if (result != static_cast<std::size_t>(-1) || errno != E2BIG)
            break;
        output.resize(output.size() * 2);
    }
    output.resize(used);
    return output;
}

} // namespace xls
