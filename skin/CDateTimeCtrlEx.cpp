#include "skin/CDateTimeCtrlEx.h"

#include "skin/Artwork.h"
#include "skin/Palette.h"

#include <QCalendarWidget>

CDateTimeCtrlEx::CDateTimeCtrlEx(QWidget* parent)
    : QDateTimeEdit(QDateTime::currentDateTime(), parent)
{
    skin::Artwork::ensureResources();
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    setStyleSheet(
        QStringLiteral(
            "CDateTimeCtrlEx { background: %1; color: %2; border: 1px solid %3; border-radius: 4px; padding: 2px 6px;"
            " min-height: 20px; selection-background-color: %5; selection-color: %2; }"
            "CDateTimeCtrlEx:focus { border-color: %4; }"
            "CDateTimeCtrlEx:disabled { color: %6; }"
            "CDateTimeCtrlEx::drop-down { subcontrol-origin: padding; subcontrol-position: center right; width: 22px;"
            " border: none; }"
            "CDateTimeCtrlEx::down-arrow { image: url(:/skin/combo-arrow.svg); width: 12px; height: 12px; }")
            .arg(skin::palette::Surface.name(), skin::palette::Text.name(), skin::palette::Border.name(),
                skin::palette::BrandDark.name(), skin::palette::BrandLight.name(), skin::palette::TextDisabled.name()));
    if (QCalendarWidget* calendar = calendarWidget()) {
        calendar->setGridVisible(false);
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        calendar->setStyleSheet(QStringLiteral(
            "QCalendarWidget QWidget#qt_calendar_navigationbar { background: %1; }"
            "QCalendarWidget QToolButton { color: white; background: transparent; border: none; padding: 2px 6px; }"
            "QCalendarWidget QToolButton:hover { background: %2; border-radius: 3px; }"
            "QCalendarWidget QAbstractItemView { selection-background-color: %3; selection-color: %4; }")
                                    .arg(skin::palette::Brand.name(), skin::palette::BrandDark.name(),
                                        skin::palette::Brand.name(), skin::palette::TextOnBrand.name()));
    }
}
