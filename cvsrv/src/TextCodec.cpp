#include "TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace cvsrv {

namespace {

std::mutex g_codePageMutex;
std::string g_codePage = "UTF-8";

bool isUtf8Name(const std::string& name)
{
    return name == "UTF-8" || name == "utf-8" || name == "UTF8" || name == "utf8";
}

std::string convert(std::string_view text, const std::string& from, const std::string& to)
{
    if (text.empty())
        return {};
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(text);
    const bool fromUtf8 = isUtf8Name(from);

    std::string out;
    out.resize(text.size() * 2 + 16);
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            const size_t used = out.size() - outLeft;
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = out.size() - used;
        } else {
            // An unconvertible or broken sequence: write one "?" and skip it, so a bad
            // byte never loses the rest of the text.
            if (outLeft == 0) {
                const size_t used = out.size() - outLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                outLeft = out.size() - used;
            }
            *dst++ = '?';
            --outLeft;
            // One "?" per character: a UTF-8 character the target cannot hold is skipped
            // whole, with its continuation bytes.
            ++in;
            --inLeft;
            while (fromUtf8 && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
                ++in;
                --inLeft;
            }
        }
    }
    out.resize(out.size() - outLeft);
    iconv_close(cd);
    return out;
}

} // namespace

void setAnsiCodePage(const std::string& codePage)
{
    std::lock_guard lock(g_codePageMutex);
    g_codePage = codePage.empty() ? std::string("UTF-8") : codePage;
}

std::string ansiCodePage()
{
    std::lock_guard lock(g_codePageMutex);
    return g_codePage;
}

bool ansiIsUtf8()
{
    return isUtf8Name(ansiCodePage());
}

std::string ansiToUtf8(std::string_view ansi)
{
    const std::string codePage = ansiCodePage();
    return isUtf8Name(codePage) ? std::string(ansi) : convert(ansi, codePage, "UTF-8");
}

std::string utf8ToAnsi(std::string_view utf8)
{
    const std::string codePage = ansiCodePage();
    return isUtf8Name(codePage) ? std::string(utf8) : convert(utf8, "UTF-8", codePage);
}

std::string_view cutUtf8(std::string_view utf8, std::size_t maxBytes)
{
    if (utf8.size() <= maxBytes)
        return utf8;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    return utf8.substr(0, end);
}

} // namespace cvsrv
