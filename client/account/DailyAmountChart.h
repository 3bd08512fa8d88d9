#pragma once

#include <QDate>
#include <QList>
#include <QWidget>

#include <cstdint>

// A small bar chart of the amounts charged per day: one bar a day from the first to
// the last day, the largest amount written above the bars and the first and last day
// under them.
class DailyAmountChart : public QWidget {
    Q_OBJECT
public:
    struct Day {
        QDate date;
        std::int64_t amount = 0; // hundredths
    };

    explicit DailyAmountChart(QWidget* parent = nullptr);

    void setDays(QList<Day> days);
    const QList<Day>& days() const { return m_days; }
    std::int64_t largestAmount() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<Day> m_days;
};
