#include "core/session/PrivateProfile.h"

#include "core/service/ResultText.h"
#include "core/session/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

bool PrivateProfile::load(const QString& path)
{
    m_lines.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    setText(std::string_view(content.constData(), static_cast<std::size_t>(content.size())));
    return true;
}

void PrivateProfile::setText(std::string_view text)
{
    m_lines.clear();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view {} : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);

        Line line;
        line.raw = std::string(raw);
        const std::string_view body = trimmed(raw);
        if (body.size() >= 2 && body.front() == '[') {
            const std::size_t close = body.find(']');
            if (close != std::string_view::npos) {
                line.kind = Line::SectionHeader;
                line.section = std::string(trimmed(body.substr(1, close - 1)));
            }
        } else if (!body.empty() && body.front() != ';') {
            const std::size_t equals = body.find('=');
            if (equals != std::string_view::npos) {
                line.kind = Line::KeyValue;
                line.key = std::string(trimmed(body.substr(0, equals)));
                line.value = std::string(trimmed(body.substr(equals + 1)));
            }
        }
        m_lines.push_back(std::move(line));
    }
}

std::string PrivateProfile::text() const
{
    std::string out;
    for (const Line& line : m_lines) {
        out += line.raw;
        out += "\n";
    }
    return out;
}

std::vector<PrivateProfile::Line>::const_iterator PrivateProfile::findSection(std::string_view section) const
{
    return std::find_if(m_lines.begin(), m_lines.end(),
        [section](const Line& line) { return line.kind == Line::SectionHeader && sameName(line.section, section); });
}

long PrivateProfile::findKey(std::size_t sectionIndex, std::string_view key) const
{
    for (std::size_t i = sectionIndex + 1; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Line::SectionHeader)
            break;
        if (line.kind == Line::KeyValue && sameName(line.key, key))
            return static_cast<long>(i);
    }
    return -1;
}

bool PrivateProfile::hasSection(std::string_view section) const
{
    return findSection(section) != m_lines.end();
}

std::vector<std::string> PrivateProfile::sectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : m_lines) {
        if (line.kind == Line::SectionHeader)
            names.push_back(line.section);
    }
    return names;
}

std::string PrivateProfile::readString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const auto header = findSection(section);
    if (header == m_lines.end())
        return std::string(fallback);
    const long index = findKey(static_cast<std::size_t>(header - m_lines.begin()), key);
    if (index < 0)
        return std::string(fallback);
    std::string_view value = m_lines[static_cast<std::size_t>(index)].value;
    // A value in matching quotes reads without them.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

int PrivateProfile::readInt(std::string_view section, std::string_view key, int fallback) const
{
    const auto header = findSection(section);
    if (header == m_lines.end())
        return fallback;
    const long index = findKey(static_cast<std::size_t>(header - m_lines.begin()), key);
    if (index < 0)
        return fallback;
    return ResultText::leadingDigits(m_lines[static_cast<std::size_t>(index)].value);
}

void PrivateProfile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    // A value is one line: a line break inside it would forge further keys.
    std::string clean(value);
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');

    Line keyLine;
    keyLine.kind = Line::KeyValue;
    keyLine.key = std::string(key);
    keyLine.value = std::string(trimmed(clean));
    keyLine.raw = keyLine.key + "=" + clean;

    auto header = findSection(section);
    if (header == m_lines.end()) {
        Line sectionLine;
        sectionLine.kind = Line::SectionHeader;
        sectionLine.section = std::string(section);
        sectionLine.raw = "[" + sectionLine.section + "]";
        m_lines.push_back(std::move(sectionLine));
        m_lines.push_back(std::move(keyLine));
        return;
    }
    const auto sectionIndex = static_cast<std::size_t>(header - m_lines.begin());
    const long index = findKey(sectionIndex, key);
    if (index >= 0) {
        Line& existing = m_lines[static_cast<std::size_t>(index)];
        keyLine.key = existing.key; // keep the spelling the file used
        keyLine.raw = keyLine.key + "=" + clean;
        existing = std::move(keyLine);
        return;
    }
    // New key: after the section's last key line, so blank lines and comments that
    // separate it from the next section stay where they were.
    std::size_t insertAt = sectionIndex + 1;
    for (std::size_t i = sectionIndex + 1; i < m_lines.size() && m_lines[i].kind != Line::SectionHeader; ++i) {
        if (m_lines[i].kind == Line::KeyValue)
            insertAt = i + 1;
    }
    m_lines.insert(m_lines.begin() + static_cast<long>(insertAt), std::move(keyLine));
}

void PrivateProfile::writeInt(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

bool PrivateProfile::save(const QString& path, QString* error) const
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QCoreApplication::translate("PrivateProfile", "无法创建文件夹 %1").arg(folder);
        return false;
    }
    return AtomicFile::write(path, text(), error);
}
