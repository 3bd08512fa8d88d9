#include "skin/Theme.h"

#include "skin/Artwork.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace skin {

namespace {
QString css(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}
} // namespace

void Theme::apply(QApplication& app)
{
    Artwork::ensureResources();
    // Fusion draws the same on every desktop, so the skinned pictures always sit on
    // the same frames and metrics.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    app.setFont(Fonts::ui(12));
    app.setWindowIcon(Artwork::icon(QString::fromLatin1(names::AppIcon)));

    QPalette pal = app.palette();
    pal.setColor(QPalette::Window, palette::Face);
    pal.setColor(QPalette::WindowText, palette::Text);
    pal.setColor(QPalette::Base, palette::Surface);
    pal.setColor(QPalette::AlternateBase, palette::RowAlternate);
    pal.setColor(QPalette::Text, palette::Text);
    pal.setColor(QPalette::Button, palette::Surface);
    pal.setColor(QPalette::ButtonText, palette::Text);
    pal.setColor(QPalette::Highlight, palette::BrandLight);
    pal.setColor(QPalette::HighlightedText, palette::Text);
    pal.setColor(QPalette::Link, palette::Link);
    pal.setColor(QPalette::ToolTipBase, palette::Surface);
    pal.setColor(QPalette::ToolTipText, palette::Text);
    pal.setColor(QPalette::PlaceholderText, palette::TextMuted);
    pal.setColor(QPalette::Disabled, QPalette::Text, palette::TextDisabled);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, palette::TextDisabled);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, palette::TextDisabled);
    app.setPalette(pal);
    app.setStyleSheet(styleSheet());
}

QString Theme::styleSheet()
{
    return QStringLiteral(
        "QToolTip { background: %1; color: %2; border: 1px solid %3; padding: 3px 6px; }"
        "QMenu { background: %1; border: 1px solid %3; padding: 4px 0; }"
        "QMenu::item { padding: 5px 24px 5px 12px; color: %2; }"
        "QMenu::item:selected { background: %4; }"
        "QMenu::item:disabled { color: %7; }"
        "QMenu::separator { height: 1px; background: %3; margin: 4px 8px; }"
        "QMenu::icon { padding-left: 6px; }"
        "QPlainTextEdit, QTextEdit { background: %1; color: %2; border: 1px solid %3; border-radius: 4px;"
        " selection-background-color: %4; selection-color: %2; }"
        "QPlainTextEdit:focus, QTextEdit:focus { border-color: %5; }"
        "QSpinBox { background: %1; border: 1px solid %3; border-radius: 4px; padding: 2px 4px; min-height: 20px; }"
        "QSpinBox:focus { border-color: %5; }"
        "QProgressBar { background: %1; border: 1px solid %3; border-radius: 4px; text-align: center; color: %2;"
        " min-height: 16px; }"
        "QProgressBar::chunk { background: %6; border-radius: 3px; }")
        .arg(css(palette::Surface), css(palette::Text), css(palette::Border), css(palette::MenuHighlight),
            css(palette::BrandDark), css(palette::Brand), css(palette::TextDisabled));
}

} // namespace skin
