#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// A small INI file with the semantics of the classic private-profile functions:
// a missing section or key reads as the caller's default; an integer is read from the
// value's leading decimal digits; writing a key replaces its value or adds the key
// (and its section) and leaves every other line of the file as it was. Section and
// key names match without regard to ASCII case; values are trimmed of blanks.
//
// Changes are made in memory; save() writes the whole file atomically (temporary
// file, then rename) with owner-only permissions, so a failed write leaves the old
// file whole.
class PrivateProfile {
public:
    PrivateProfile() = default;
    virtual ~PrivateProfile() = default;

    // Reads the file; a missing file gives an empty profile and returns true.
    // An unreadable file returns false and leaves the profile empty.
    bool load(const QString& path);
    // Writes the file atomically. On failure returns false, sets *error (if given)
    // and leaves the old file untouched.
    bool save(const QString& path, QString* error = nullptr) const;

    std::string readString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    int readInt(std::string_view section, std::string_view key, int fallback) const;
    bool hasSection(std::string_view section) const;
    std::vector<std::string> sectionNames() const; // in file order
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, int value);

    std::string text() const; // the file's content as save() writes it
    void setText(std::string_view text);

private:
    struct Line {
        std::string raw; // the line as read (or as written for a new key)
        std::string section; // for a section header: its name
        std::string key; // for a key line: its name
        std::string value; // for a key line: its trimmed value
        enum Kind { Other, SectionHeader, KeyValue } kind = Other;
    };

    std::vector<Line>::const_iterator findSection(std::string_view section) const;
    // Index of the key line inside the section starting at sectionIndex, or -1.
    long findKey(std::size_t sectionIndex, std::string_view key) const;

    std::vector<Line> m_lines;
};
