#include "demo/Photographs.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace {

void write(const QPixmap& picture, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    if (!picture.save(path))
        std::fprintf(stderr, "tour: could not save %s\n", qPrintable(path));
}

} // namespace

namespace Photographs {

void save(QWidget* widget, const QString& folder, const QString& name)
{
    write(widget->grab(), folder, name);
}

void saveSideBySide(QWidget* left, QWidget* right, const QString& folder, const QString& name)
{
    const QPixmap leftPicture = left->grab();
    const QPixmap rightPicture = right->grab();
    QPixmap pair(
        QSize(leftPicture.width() + rightPicture.width(), std::max(leftPicture.height(), rightPicture.height())));
    pair.setDevicePixelRatio(leftPicture.devicePixelRatio());
    pair.fill(Qt::transparent);
    QPainter painter(&pair);
    painter.drawPixmap(0, 0, leftPicture);
    painter.drawPixmap(left->width(), 0, rightPicture);
    painter.end();
    write(pair, folder, name);
}

void saveWithPopup(QWidget* window, QWidget* popup, QPoint at, const QString& folder, const QString& name)
{
    QPixmap picture = window->grab();
    const QPixmap popupPicture = popup->grab();
    const QSize size(std::max(picture.width(), at.x() + popupPicture.width()),
        std::max(picture.height(), at.y() + popupPicture.height()));
    QPixmap combined(size);
    combined.setDevicePixelRatio(picture.devicePixelRatio());
    combined.fill(Qt::transparent);
    QPainter painter(&combined);
    painter.drawPixmap(0, 0, picture);
    painter.drawPixmap(at, popupPicture);
    painter.end();
    write(combined, folder, name);
}

} // namespace Photographs
