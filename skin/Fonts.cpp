#include "skin/Fonts.h"

#include <QFontMetrics>
#include <QHash>

namespace skin {

QStringList Fonts::uiFamilies()
{
    return { QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Noto Sans CJK SC") };
}

QFont Fonts::ui(int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(uiFamilies());
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont Fonts::named(const QString& family, int pixelSize, QFont::Weight weight)
{
    QStringList families { family };
    // The Chinese names of the Windows faces map onto the program's own CJK family list.
    if (family == QStringLiteral("微软雅黑"))
        families = { QStringLiteral("Microsoft YaHei") };
    else if (family == QStringLiteral("宋体"))
        families = { QStringLiteral("SimSun"), QStringLiteral("Microsoft YaHei") };
    else if (family.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0)
        families << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
    for (const QString& fallback : uiFamilies()) {
        if (!families.contains(fallback))
            families << fallback;
    }
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont Fonts::withCellHeight(const QString& family, int cellHeight, QFont::Weight weight)
{
    // Measuring a font is slow and the windows ask for the same few again and again.
    static QHash<QString, QFont> measured;
    const QString key = QStringLiteral("%1/%2/%3").arg(family).arg(cellHeight).arg(int(weight));
    if (const auto found = measured.constFind(key); found != measured.constEnd())
        return *found;
    // The largest letter size whose line still fits the cell; never below 1.
    int pixelSize = cellHeight;
    QFont font = named(family, pixelSize, weight);
    while (pixelSize > 1 && QFontMetrics(font).height() > cellHeight) {
        --pixelSize;
        font.setPixelSize(pixelSize);
    }
    measured.insert(key, font);
    return font;
}

} // namespace skin
