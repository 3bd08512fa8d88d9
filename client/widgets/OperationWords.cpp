#include "widgets/OperationWords.h"

namespace {

int charBytes(QChar c)
{
    return c.unicode() < 0x80 ? 1 : 2;
}

} // namespace

int OperationWords::ansiByteLength(const QString& text)
{
    int bytes = 0;
    for (int i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character; GB18030 spends four bytes on it.
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            bytes += 4;
            ++i;
        } else {
            bytes += charBytes(text.at(i));
        }
    }
    return bytes;
}

QString OperationWords::truncateToAnsiBytes(const QString& text, int maxBytes)
{
    int bytes = 0;
    int i = 0;
    while (i < text.size()) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const int cost = pair ? 4 : charBytes(text.at(i));
        if (bytes + cost > maxBytes)
            break;
        bytes += cost;
        i += pair ? 2 : 1;
    }
    return text.left(i);
}

QStringList OperationWords::split(const QString& cell)
{
    static const QString separator = QStringLiteral("  ");
    QStringList words;
    if (cell.isEmpty())
        return words;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = cell.indexOf(separator, from);
        if (at < 0) {
            if (from < cell.size())
                words.append(cell.mid(from));
            break;
        }
        words.append(cell.mid(from, at - from));
        from = at + separator.size();
    }
    return words;
}

int OperationWords::hit(int x, int wordCount, int textWidth, int dashWidth, int columnLeft, int columnWidth)
{
    if (wordCount <= 0)
        return -1;
    if (wordCount == 1)
        return x >= columnLeft && x < columnLeft + columnWidth ? 0 : -1;
    const int share = textWidth / wordCount;
    for (int k = 0; k < wordCount; ++k) {
        const int start = columnLeft + (columnWidth - textWidth) / 2 + k * textWidth / wordCount - dashWidth / 2;
        if (x >= start && x <= start + share)
            return k;
    }
    return -1;
}

bool OperationWords::wantsTopicTooltip(const QString& headerText, const QString& cellText)
{
    return headerText == QStringLiteral("会议主题") && ansiByteLength(cellText) >= kTopicTooltipBytes;
}
