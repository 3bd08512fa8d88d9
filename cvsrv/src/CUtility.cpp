#include "cvsrv/CUtility.h"

#include "TextCodec.h"
#include "TimeStamp.h"
#include "cvsrv/ServiceConfig.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <openssl/evp.h>

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

CUtility::~CUtility() = default;

char* CUtility::GetTimeStamp(char* buffer) const
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    cvsrv::formatTimeStamp(local, buffer);
    return buffer;
}

void cvsrv::formatTimeStamp(const std::tm& local, char* buffer)
{
    std::strftime(buffer, 15, "%Y%m%d%H%M%S", &local);
}

char* CUtility::EncodeMd5(char* digest, const char* format, ...) const
{
    char text[4096] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return GetHashCode(text, digest);
}

char* CUtility::GetHashCode(const char* text, char* digest) const
{
    unsigned char md[EVP_MAX_MD_SIZE] = {};
    unsigned int length = 0;
    EVP_Digest(text, std::strlen(text), md, &length, EVP_md5(), nullptr);
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (unsigned int i = 0; i < length; ++i) {
        digest[2 * i] = kHex[md[i] >> 4];
        digest[2 * i + 1] = kHex[md[i] & 0x0F];
    }
    digest[2 * length] = '\0';
    return digest;
}

std::vector<std::string>* CUtility::Split(
    std::string text, std::string separator, std::vector<std::string>* pieces) const
{
    if (!pieces || text.empty() || separator.empty())
        return pieces;
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(separator, start)) != std::string::npos;
         start = found + separator.size())
        pieces->emplace_back(text, start, found - start);
    if (start < text.size())
        pieces->emplace_back(text, start);
    return pieces;
}

std::string& CUtility::ConvertUTF8(const char* ansi, std::string& utf8) const
{
    utf8 = cvsrv::ansiToUtf8(ansi ? ansi : "");
    return utf8;
}

std::string CUtility::Utf8toAnsi(const char* utf8) const
{
    return cvsrv::utf8ToAnsi(utf8 ? utf8 : "");
}

namespace {

bool isLoopbackHost(const std::string& host)
{
    return host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0;
}

} // namespace

int CUtility::Fun_InternetGetConnectedState() const
{
    if (isLoopbackHost(cvsrv::ServiceConfig::fromEnvironment().webHost))
        return 1;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return 0;
    int connected = 0;
    for (const ifaddrs* it = list; it && !connected; it = it->ifa_next) {
        const bool up = (it->ifa_flags & IFF_UP) && (it->ifa_flags & IFF_RUNNING);
        if (up && !(it->ifa_flags & IFF_LOOPBACK) && it->ifa_addr)
            connected = 1;
    }
    freeifaddrs(list);
    return connected;
}

void CUtility::SetAnsiCodePage(const std::string& codePage)
{
    cvsrv::setAnsiCodePage(codePage);
}

std::string CUtility::AnsiCodePage()
{
    return cvsrv::ansiCodePage();
}

bool Log(const char*, const char*)
{
    return true;
}
