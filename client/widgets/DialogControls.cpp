#include "widgets/DialogControls.h"

#include "skin/Artwork.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

namespace dialogControls {

namespace {

constexpr int kFontSize = 13;
constexpr int kButtonWidth = 76;
constexpr int kButtonHeight = 28;
constexpr int kFieldHeight = 28;

CButtonPNG* button(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* made = new CButtonPNG(text, parent);
    made->setObjectName(objectName);
    made->setFont(skin::Fonts::ui(kFontSize));
    made->setFixedSize(kButtonWidth, kButtonHeight);
    return made;
}

CButtonCR* box(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* made = new CButtonCR(text, parent);
    made->setObjectName(objectName);
    made->setFont(skin::Fonts::ui(kFontSize));
    made->setTextColor(skin::palette::Text);
    return made;
}

} // namespace

CButtonPNG* primaryButton(const QString& text, const QString& objectName, QWidget* parent)
{
    CButtonPNG* made = button(text, objectName, parent);
    made->setImage(QString::fromLatin1(skin::names::ButtonPrimary));
    made->setTextColors(skin::palette::TextOnBrand, skin::palette::TextOnBrand);
    return made;
}

CButtonPNG* secondaryButton(const QString& text, const QString& objectName, QWidget* parent)
{
    CButtonPNG* made = button(text, objectName, parent);
    made->setImage(QString::fromLatin1(skin::names::ButtonSecondary));
    made->setTextColors(skin::palette::Text, skin::palette::BrandDeep);
    return made;
}

CEditBoxEx* edit(const QString& objectName, QWidget* parent)
{
    auto* made = new CEditBoxEx(parent);
    made->setObjectName(objectName);
    made->setFont(skin::Fonts::ui(kFontSize));
    made->setFixedHeight(kFieldHeight);
    return made;
}

CTransparentStatic* label(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* made = new CTransparentStatic(text, parent);
    made->setObjectName(objectName);
    made->setFont(skin::Fonts::ui(kFontSize));
    made->setTextColor(skin::palette::TextSoft);
    made->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return made;
}

CButtonCR* checkBox(const QString& text, const QString& objectName, QWidget* parent)
{
    CButtonCR* made = box(text, objectName, parent);
    made->setPictures(QString::fromLatin1(skin::names::CheckOff), QString::fromLatin1(skin::names::CheckOn));
    return made;
}

CButtonCR* radioBox(const QString& text, const QString& objectName, QWidget* parent)
{
    CButtonCR* made = box(text, objectName, parent);
    made->setPictures(QString::fromLatin1(skin::names::RadioOff), QString::fromLatin1(skin::names::RadioOn));
    made->setRadioLike(true);
    return made;
}

CDateTimeCtrlEx* datePicker(const QString& objectName, QWidget* parent)
{
    auto* picker = new CDateTimeCtrlEx(parent);
    picker->setObjectName(objectName);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return picker;
}

} // namespace dialogControls
