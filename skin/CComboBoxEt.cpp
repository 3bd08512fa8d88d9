#include "skin/CComboBoxEt.h"

#include "skin/Artwork.h"
#include "skin/Palette.h"
#include "skin/ScrollBar.h"

#include <QAbstractItemView>
#include <QLineEdit>

CComboBoxEt::CComboBoxEt(QWidget* parent)
    : QComboBox(parent)
{
    skin::Artwork::ensureResources();
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setStyleSheet(
        QStringLiteral(
            "CComboBoxEt { background: %1; color: %2; border: 1px solid %3; border-radius: 4px; padding: 2px 6px;"
            " min-height: 20px; selection-background-color: %5; }"
            "CComboBoxEt:focus, CComboBoxEt:on { border-color: %4; }"
            "CComboBoxEt:disabled { color: %6; }"
            "CComboBoxEt::drop-down { subcontrol-origin: padding; subcontrol-position: center right; width: 22px;"
            " border: none; }"
            "CComboBoxEt::down-arrow { image: url(:/skin/combo-arrow.svg); width: 12px; height: 12px; }"
            "CComboBoxEt::down-arrow:on { top: 1px; }"
            "CComboBoxEt QAbstractItemView { background: %1; border: 1px solid %3; outline: none;"
            " selection-background-color: %5; selection-color: %2; }")
            .arg(skin::palette::Surface.name(), skin::palette::Text.name(), skin::palette::Border.name(),
                skin::palette::BrandDark.name(), skin::palette::BrandLight.name(), skin::palette::TextDisabled.name()));
    skin::ScrollBar::attach(view(), Qt::ScrollBarAsNeeded);
}
