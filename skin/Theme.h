#pragma once

#include <QString>

class QApplication;

namespace skin {

// The application-wide look: style, font, window icon, palette, and a style sheet that gives the
// plain Qt widgets a window uses next to the skinned ones (multi-line edits, progress
// bars, menus, tooltips, spin boxes) the same colours and frames. Call once at start,
// before the first window is created; the programs and the widget tests do.
class Theme {
public:
    static void apply(QApplication& app);
    static QString styleSheet();
};

} // namespace skin
