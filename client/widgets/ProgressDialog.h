#pragma once

#include "core/service/ProgressReporter.h"

#include "skin/CDialogEx.h"

class CButtonPNG;
class QLabel;
class QProgressBar;

// The modal wait window shown while a worker runs. The bar creeps forward one
// percent a second and stops at 99 until the worker finishes. Workers report
// through reporter() (or SetStatus/Finish here, which are safe from any thread);
// Finish with counts of 0 or more shows "成功：%d,失败：%d" before the dialog ends
// with Accepted. Cancel raises the worker's cancel flag and ends with Rejected.
class ProgressDialog : public CDialogEx {
    Q_OBJECT
public:
    static constexpr int kTimerPeriodMs = 1000;
    static constexpr int kCreepLimit = 99;

    explicit ProgressDialog(QWidget* owner = nullptr);
    ~ProgressDialog() override;

    ProgressReporterPtr reporter() const { return m_reporter; }

    void SetStatus(int number, const QString& text) { m_reporter->setStatus(number, text); }
    void Finish(int success, int failure) { m_reporter->finish(success, failure); }

    int position() const;
    // One step of the bar, as each timer period makes it.
    void creep();
    QString statusText() const;

    void reject() override;

protected:
    void closeButtonClicked() override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    ProgressReporterPtr m_reporter;
    QProgressBar* m_bar;
    QLabel* m_statusLabel;
    CButtonPNG* m_cancelButton;
    int m_timerId = 0;
    bool m_ending = false;
};
