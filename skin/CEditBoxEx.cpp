#include "skin/CEditBoxEx.h"

#include "skin/Palette.h"

CEditBoxEx::CEditBoxEx(QWidget* parent)
    : QLineEdit(parent)
    , m_background(skin::palette::Surface)
    , m_frame(skin::palette::Border)
    , m_focusFrame(skin::palette::BrandDark)
{
    applyStyle();
}

void CEditBoxEx::setBackgroundColor(const QColor& colour)
{
    m_background = colour;
    applyStyle();
}

void CEditBoxEx::setFrameColor(const QColor& colour)
{
    m_frame = colour;
    applyStyle();
}

void CEditBoxEx::setFocusFrameColor(const QColor& colour)
{
    m_focusFrame = colour;
    applyStyle();
}

void CEditBoxEx::applyStyle()
{
    setStyleSheet(QStringLiteral("CEditBoxEx { background: %1; color: %4; border: 1px solid %2; border-radius: 4px;"
                                 " padding: 2px 6px; min-height: 20px; selection-background-color: %5; }"
                                 "CEditBoxEx:focus { border-color: %3; }"
                                 "CEditBoxEx:disabled { color: %6; }")
                      .arg(m_background.name(), m_frame.name(), m_focusFrame.name(), skin::palette::Text.name(),
                          skin::palette::BrandLight.name(), skin::palette::TextDisabled.name()));
}
