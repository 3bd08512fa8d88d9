#pragma once

#include <QFont>
#include <QStringList>

namespace skin {

// Fonts of the program. Texts are Chinese, so every font asks for a CJK family first
// and falls back through the families a Linux desktop usually has; without the
// fallbacks Qt may pick a face with Japanese glyph shapes or none at all.
class Fonts {
public:
    // "Microsoft YaHei", then "WenQuanYi Micro Hei", then "Noto Sans CJK SC".
    static QStringList uiFamilies();

    // The program's text font at a pixel size and weight.
    static QFont ui(int pixelSize = 12, QFont::Weight weight = QFont::Normal);

    // A font the windows name by family ("Arial", "宋体", "微软雅黑", ...): the named
    // family first, then sensible stand-ins, then the CJK families above.
    static QFont named(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal);
    // The same family measured as the windows measure a font of a given height: the
    // whole line (ascent and descent) is cellHeight pixels, the letters a little less.
    static QFont withCellHeight(const QString& family, int cellHeight, QFont::Weight weight = QFont::Normal);
};

} // namespace skin
