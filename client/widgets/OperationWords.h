#pragma once

#include <QString>
#include <QStringList>

// The arithmetic behind the operation column of a list: a cell such as
// "删除  呼叫" holds several clickable words separated by two blanks, drawn
// centred in its column. Kept free of widgets so that the hit-test can be checked
// with plain numbers.
class OperationWords {
public:
    // Cell texts longer than this many code-page bytes are cut before splitting.
    static constexpr int kMaxCellBytes = 127;
    // A topic cell of at least this many code-page bytes gets a tooltip.
    static constexpr int kTopicTooltipBytes = 17;

    // Bytes the text takes in the Chinese ANSI code page: one per ASCII
    // character, two per other character.
    static int ansiByteLength(const QString& text);

    // The longest prefix of text that fits into maxBytes code-page bytes, never
    // splitting a double-byte character.
    static QString truncateToAnsiBytes(const QString& text, int maxBytes);

    // The words of a cell, split at two blanks; a trailing empty piece is dropped,
    // empty pieces in the middle are kept (they still take their share of width).
    static QStringList split(const QString& cell);

    // The index of the word hit at x, or -1. textWidth is the pixel width of the
    // whole cell text, dashWidth that of "--"; columnLeft and columnWidth place the
    // column. With one word the whole column counts. Otherwise word k covers
    // [start_k, start_k + textWidth / count] where start_k is
    // columnLeft + (columnWidth - textWidth) / 2 + k * textWidth / count - dashWidth / 2;
    // the first word whose span contains x wins.
    static int hit(int x, int wordCount, int textWidth, int dashWidth, int columnLeft, int columnWidth);

    // Whether hovering a cell shows its whole text as a tooltip: only cells under
    // the "会议主题" header, and only long ones.
    static bool wantsTopicTooltip(const QString& headerText, const QString& cellText);
};
