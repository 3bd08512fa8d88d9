#pragma once

#include "cvsrv/CUtility.h"

#include <string>

// Sets the library's ANSI code page for one test and restores the previous one.
class CodePageGuard {
public:
    explicit CodePageGuard(const std::string& codePage)
        : m_previous(CUtility::AnsiCodePage())
    {
        CUtility::SetAnsiCodePage(codePage);
    }
    ~CodePageGuard() { CUtility::SetAnsiCodePage(m_previous); }

    CodePageGuard(const CodePageGuard&) = delete;
    CodePageGuard& operator=(const CodePageGuard&) = delete;

private:
    std::string m_previous;
};
