#include "account/DailyAmountChart.h"

#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int kHeight = 96;
constexpr int kPadding = 8;
constexpr int kLabelHeight = 16;
constexpr int kGapLimit = 3; // the most room between two bars

QString yuan(std::int64_t hundredths)
{
    return QString::number(double(hundredths) / 100, 'f', 2);
}

} // namespace

DailyAmountChart::DailyAmountChart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("dailyAmountChart"));
    setFixedHeight(kHeight);
}

void DailyAmountChart::setDays(QList<Day> days)
{
    m_days = std::move(days);
    update();
}

std::int64_t DailyAmountChart::largestAmount() const
{
    std::int64_t largest = 0;
    for (const Day& day : m_days)
        largest = std::max(largest, day.amount);
    return largest;
}

QSize DailyAmountChart::sizeHint() const
{
    return { 400, kHeight };
}

void DailyAmountChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(frame, 4, 4);
    painter.fillPath(outline, skin::palette::Surface);
    painter.setPen(skin::palette::Border);
    painter.drawPath(outline);
    if (m_days.isEmpty())
        return;

    QFont font = skin::Fonts::ui(11);
    painter.setFont(font);
    const QRect inner = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const QRect top(inner.left(), inner.top(), inner.width(), kLabelHeight);
    const QRect bottom(inner.left(), inner.bottom() - kLabelHeight + 1, inner.width(), kLabelHeight);
    const QRect bars(inner.left(), top.bottom() + 4, inner.width(), bottom.top() - top.bottom() - 6);

    const std::int64_t largest = largestAmount();
    painter.setPen(skin::palette::TextMuted);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, tr("每日费用"));
    painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, tr("最高 %1 元").arg(yuan(largest)));
    painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, m_days.first().date.toString(QStringLiteral("MM-dd")));
    painter.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter, m_days.last().date.toString(QStringLiteral("MM-dd")));

    painter.setPen(QPen(skin::palette::Border, 1));
    painter.drawLine(QPointF(bars.left(), bars.bottom() + 0.5), QPointF(bars.right(), bars.bottom() + 0.5));

    const int count = int(m_days.size());
    const qreal slot = qreal(bars.width()) / count;
    const qreal gap = std::min<qreal>(kGapLimit, slot / 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin::palette::Brand);
    for (int i = 0; i < count; ++i) {
        const std::int64_t amount = m_days[i].amount;
        if (amount <= 0 || largest <= 0)
            continue;
        const qreal height = std::max<qreal>(1, qreal(bars.height()) * qreal(amount) / qreal(largest));
        const QRectF bar(
            bars.left() + i * slot + gap / 2, bars.bottom() - height + 1, std::max<qreal>(1, slot - gap), height);
        painter.drawRoundedRect(bar, std::min<qreal>(2, bar.width() / 2), std::min<qreal>(2, bar.width() / 2));
    }
}
