#include "skin/CEditBoxBmp.h"

#include "skin/Artwork.h"
#include "skin/Palette.h"

#include <QPainter>

CEditBoxBmp::CEditBoxBmp(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setStyleSheet(QStringLiteral("CEditBoxBmp { background: transparent; border: none; color: %1;"
                                 " selection-background-color: %2; }")
                      .arg(skin::palette::Text.name(), skin::palette::BrandLight.name()));
    setBackgroundPicture(QString::fromLatin1(skin::names::EditFrame));
}

void CEditBoxBmp::setBackgroundPicture(const QString& pictureName)
{
    m_picture = pictureName;
    setTextMargins(skin::Artwork::contentMargins(pictureName));
    updateGeometry();
    update();
}

QSize CEditBoxBmp::sizeHint() const
{
    QSize hint = QLineEdit::sizeHint();
    const QSize natural = skin::Artwork::naturalSize(m_picture);
    if (natural.isValid())
        hint.setHeight(std::max(hint.height(), natural.height()));
    return hint;
}

void CEditBoxBmp::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        using State = skin::Artwork::State;
        const State state = !isEnabled() ? State::Disabled : (hasFocus() ? State::Hover : State::Normal);
        skin::Artwork::paint(painter, m_picture, rect(), state);
    }
    QLineEdit::paintEvent(event);
}
