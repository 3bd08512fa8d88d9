#include "skin/Artwork.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <algorithm>
#include <memory>
#include <unordered_map>

// Q_INIT_RESOURCE declares a function, which must live outside any namespace.
static void registerSkinResources()
{
    Q_INIT_RESOURCE(skin);
}

namespace skin {

namespace {

struct FrameMetrics {
    QMargins slice;
    QMargins content;
};

// Frames and their fixed borders, in the SVG's own pixels. Faces keep their title
// band (and the main window its header and banner) unstretched.
const QHash<QString, FrameMetrics>& frames()
{
    static const QHash<QString, FrameMetrics> table {
        { QStringLiteral("face-dialog"), { { 14, 44, 14, 14 }, { 0, 36, 0, 0 } } },
        { QStringLiteral("face-main"), { { 14, 160, 14, 14 }, { 0, 36, 0, 0 } } },
        { QStringLiteral("face-login"), { { 14, 240, 14, 14 }, { 0, 36, 0, 0 } } },
        { QStringLiteral("button-primary"), { { 8, 8, 8, 8 }, { 10, 0, 10, 0 } } },
        { QStringLiteral("button-secondary"), { { 8, 8, 8, 8 }, { 10, 0, 10, 0 } } },
        { QStringLiteral("tab"), { { 8, 8, 8, 8 }, { 6, 0, 6, 0 } } },
        { QStringLiteral("edit-frame"), { { 6, 6, 6, 6 }, { 8, 2, 8, 2 } } },
        { QStringLiteral("edit-search"), { { 30, 6, 8, 6 }, { 30, 2, 8, 2 } } },
        { QStringLiteral("list-header"), { { 2, 2, 2, 3 }, { 6, 0, 6, 0 } } },
        { QStringLiteral("scroll-track"), { { 4, 4, 4, 4 }, {} } },
        { QStringLiteral("scroll-thumb"), { { 4, 4, 4, 4 }, {} } },
        { QStringLiteral("balance"), { { 26, 4, 8, 4 }, { 24, 0, 6, 0 } } },
        { QStringLiteral("label-pill"), { { 8, 4, 8, 4 }, { 8, 0, 8, 0 } } },
        { QStringLiteral("banner"), { { 220, 0, 60, 0 }, {} } },
        { QStringLiteral("progress-band"), { { 40, 0, 40, 0 }, {} } },
    };
    return table;
}

// Frames whose variants share the base frame's metrics ("button-primary-hover").
QString frameKey(const QString& name)
{
    const auto& table = frames();
    if (table.contains(name))
        return name;
    for (const QString& suffix :
        { QStringLiteral("-hover"), QStringLiteral("-pressed"), QStringLiteral("-disabled"), QStringLiteral("-alt") }) {
        if (name.endsWith(suffix)) {
            const QString base = name.left(name.size() - suffix.size());
            if (table.contains(base))
                return base;
        }
    }
    return {};
}

QSvgRenderer* renderer(const QString& name)
{
    // Renderers live for the whole run: the set of pictures is small and fixed.
    static std::unordered_map<QString, std::unique_ptr<QSvgRenderer>> cache;
    auto found = cache.find(name);
    if (found != cache.end())
        return found->second.get();
    const QString path = Artwork::resourcePath(name);
    auto svg = path.isEmpty() ? nullptr : std::make_unique<QSvgRenderer>(path);
    if (svg && !svg->isValid())
        svg.reset();
    return cache.emplace(name, std::move(svg)).first->second.get();
}

QString stateSuffix(Artwork::State state)
{
    switch (state) {
    case Artwork::State::Hover:
        return QStringLiteral("-hover");
    case Artwork::State::Pressed:
        return QStringLiteral("-pressed");
    case Artwork::State::Disabled:
        return QStringLiteral("-disabled");
    case Artwork::State::Normal:
        break;
    }
    return {};
}

// A state that has no picture of its own is derived from the normal picture.
void deriveState(QImage& image, Artwork::State state)
{
    if (state == Artwork::State::Disabled) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = QColor::fromRgba(qUnpremultiply(line[x]));
                const int grey = 150 + qGray(c.rgb()) * 90 / 255;
                line[x] = qPremultiply(qRgba(grey, grey, std::min(255, grey + 6), c.alpha() * 3 / 5));
            }
        }
        return;
    }
    if (state == Artwork::State::Normal)
        return;
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(image.rect(), state == Artwork::State::Hover ? QColor(255, 255, 255, 46) : QColor(0, 40, 90, 36));
}

QMargins fitMargins(QMargins margins, const QSize& size)
{
    // A frame smaller than its borders shrinks the borders rather than overlapping them.
    if (margins.left() + margins.right() > size.width()) {
        const int total = margins.left() + margins.right();
        margins.setLeft(margins.left() * size.width() / total);
        margins.setRight(size.width() - margins.left());
    }
    if (margins.top() + margins.bottom() > size.height()) {
        const int total = margins.top() + margins.bottom();
        margins.setTop(margins.top() * size.height() / total);
        margins.setBottom(size.height() - margins.top());
    }
    return margins;
}

// Renders the frame's nine pieces, each from the SVG's matching region, so the
// corners stay sharp and nothing is resampled from a bitmap.
void renderFrame(QPainter& painter, QSvgRenderer& svg, const QSize& natural, const QMargins& slice, const QRect& target)
{
    const QMargins m = fitMargins(slice, target.size());
    const int sx[4] = { 0, slice.left(), natural.width() - slice.right(), natural.width() };
    const int sy[4] = { 0, slice.top(), natural.height() - slice.bottom(), natural.height() };
    const int tx[4] = { target.left(), target.left() + m.left(), target.right() + 1 - m.right(), target.right() + 1 };
    const int ty[4] = { target.top(), target.top() + m.top(), target.bottom() + 1 - m.bottom(), target.bottom() + 1 };
    const QRectF viewBox = svg.viewBoxF();
    const qreal kx = viewBox.width() / natural.width();
    const qreal ky = viewBox.height() / natural.height();
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect piece(QPoint(tx[col], ty[row]), QPoint(tx[col + 1] - 1, ty[row + 1] - 1));
            if (piece.width() <= 0 || piece.height() <= 0 || sx[col + 1] <= sx[col] || sy[row + 1] <= sy[row])
                continue;
            const QRectF source(viewBox.x() + sx[col] * kx, viewBox.y() + sy[row] * ky, (sx[col + 1] - sx[col]) * kx,
                (sy[row + 1] - sy[row]) * ky);
            painter.save();
            painter.setClipRect(piece);
            // Render the whole SVG mapped so that the source region lands on the piece.
            const qreal scaleX = piece.width() / source.width();
            const qreal scaleY = piece.height() / source.height();
            const QRectF whole(piece.x() - (source.x() - viewBox.x()) * scaleX,
                piece.y() - (source.y() - viewBox.y()) * scaleY, viewBox.width() * scaleX, viewBox.height() * scaleY);
            svg.render(&painter, whole);
            painter.restore();
        }
    }
}

} // namespace

bool Artwork::contains(const QString& name)
{
    return !resourcePath(name).isEmpty();
}

void Artwork::ensureResources()
{
    static const bool registered = [] {
        registerSkinResources();
        return true;
    }();
    Q_UNUSED(registered);
}

QString Artwork::resourcePath(const QString& name)
{
    ensureResources();
    if (name.isEmpty())
        return {};
    const QString path = QStringLiteral(":/skin/%1.svg").arg(name);
    return QFile::exists(path) ? path : QString();
}

QSize Artwork::naturalSize(const QString& name)
{
    QSvgRenderer* svg = renderer(name);
    return svg ? svg->defaultSize() : QSize();
}

QMargins Artwork::sliceMargins(const QString& name)
{
    const QString key = frameKey(name);
    return key.isEmpty() ? QMargins() : frames().value(key).slice;
}

QMargins Artwork::contentMargins(const QString& name)
{
    const QString key = frameKey(name);
    return key.isEmpty() ? QMargins() : frames().value(key).content;
}

QPixmap Artwork::pixmap(const QString& name, const QSize& size, State state, qreal dpr)
{
    if (size.isEmpty() || dpr <= 0)
        return {};
    const QString key = QStringLiteral("skin:%1:%2x%3:%4:%5")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(static_cast<int>(state))
                            .arg(dpr);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    // A state with its own file is drawn from that file; otherwise derived below.
    QString source = name;
    bool derive = false;
    if (state != State::Normal) {
        const QString own = name + stateSuffix(state);
        if (contains(own))
            source = own;
        else
            derive = true;
    }
    QSvgRenderer* svg = renderer(source);
    if (!svg)
        return {};

    QImage image((QSizeF(size) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(dpr, dpr);
        const QRect target(QPoint(0, 0), size);
        const QMargins slice = sliceMargins(source);
        const QSize natural = svg->defaultSize();
        if (!slice.isNull() && !natural.isEmpty()) {
            renderFrame(painter, *svg, natural, slice, target);
        } else {
            QSizeF fitted = QSizeF(natural.isEmpty() ? size : natural);
            fitted.scale(QSizeF(size), Qt::KeepAspectRatio);
            const QRectF centred(
                QPointF((size.width() - fitted.width()) / 2.0, (size.height() - fitted.height()) / 2.0), fitted);
            svg->render(&painter, centred);
        }
    }
    if (derive)
        deriveState(image, state);
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, result);
    return result;
}

void Artwork::paint(QPainter& painter, const QString& name, const QRect& target, State state)
{
    if (target.isEmpty())
        return;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap picture = pixmap(name, target.size(), state, dpr);
    if (!picture.isNull())
        painter.drawPixmap(target.topLeft(), picture);
}

QIcon Artwork::icon(const QString& name)
{
    const QString path = resourcePath(name);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

} // namespace skin
