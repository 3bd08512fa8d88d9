#pragma once

#include <cstddef>
#include <string>

// One saved account of the options file. Texts hold at most kTextBytes bytes.
struct SavedAccount {
    static constexpr std::size_t kTextBytes = 31;

    std::string regphoneid;
    std::string regphonepd; // plain text, as the file keeps it
    int rempd = 0; // only 1 means "password saved"
    int autologin = 0; // only 1 means "sign in automatically"
    int exitormin = 0; // 0: the close button ends the program; else it hides it
    int nevershow = 0; // kept and saved unchanged

    bool operator==(const SavedAccount&) const = default;
};
