#pragma once

#include "cvsrv/Export.h"

#include <string>
#include <vector>

// Helpers shared by the library and the program: request signing, splitting of
// result text, code-page conversion and the connectivity check.
class CVSRV_EXPORT CUtility {
public:
    static constexpr const char* kHashSalt = "QWZRT";

    CUtility() = default;
    CUtility(const CUtility&) = default;
    CUtility& operator=(const CUtility&) = default;
    virtual ~CUtility();

    // Writes the 14-digit local time stamp (YYYYMMDDhhmmss) into buffer, which must
    // hold at least 15 bytes.
    char* GetTimeStamp(char* buffer) const;

    // Formats the values with format (printf rules, at most 4,095 bytes of text) and
    // writes the 32-digit upper-case MD5 of the result into digest (at least 33 bytes).
    char* EncodeMd5(char* digest, const char* format, ...) const __attribute__((format(printf, 3, 4)));
    char* GetHashCode(const char* text, char* digest) const;

    // Appends the pieces of text between separators to *pieces. A trailing empty piece
    // is dropped; empty pieces in the middle are kept. Nothing happens for a null
    // array, an empty text or an empty separator.
    std::vector<std::string>* Split(std::string text, std::string separator, std::vector<std::string>* pieces) const;

    // Conversions between the library's ANSI code page and UTF-8. Characters the
    // code page cannot hold become "?".
    std::string& ConvertUTF8(const char* ansi, std::string& utf8) const;
    std::string Utf8toAnsi(const char* utf8) const;

    // 1 when the machine can reach the configured web service at the network level
    // (a loopback host, or an interface that is up with an address), else 0.
    int Fun_InternetGetConnectedState() const;

    // The library-wide "ANSI code page": "UTF-8" (the default) or an iconv name such
    // as "CP936". Set it once at start-up, before any call runs.
    static void SetAnsiCodePage(const std::string& codePage);
    static std::string AnsiCodePage();
};

// The trace hook that the library and the program call with a file name and a text.
// It writes nothing.
extern "C" CVSRV_EXPORT bool Log(const char* fileName, const char* text);
