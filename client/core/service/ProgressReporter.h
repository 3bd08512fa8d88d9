#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

// The side of a ProgressDialog that a worker holds. Workers report through it
// (setStatus, finish) and poll or pass on its cancel flag; the dialog reads the
// values on the GUI thread after the posted notice arrives. The reporter outlives
// the dialog safely: once the dialog is gone, reports are dropped.
class ProgressReporter {
public:
    ProgressReporter() = default;
    ProgressReporter(const ProgressReporter&) = delete;
    ProgressReporter& operator=(const ProgressReporter&) = delete;

    // Stores the text and posts a status notice to the dialog. The number is not used.
    void setStatus(int number, const QString& text);
    // Stores the counts and asks the dialog to close; -1, -1 means "no counts".
    void finish(int success, int failure);

    // Set when the user cancels; hand it to CCvService so a transfer in progress stops.
    const std::atomic<bool>* cancelFlag() const { return &m_cancel; }
    std::atomic<bool>& cancelState() { return m_cancel; }
    bool cancelled() const { return m_cancel.load(); }

    // GUI-thread side, used by the dialog.
    void attach(QObject* dialog);
    void detach();
    void cancel() { m_cancel.store(true); }
    QString status() const;
    int successCount() const;
    int failureCount() const;
    bool finished() const;

private:
    mutable std::mutex m_mutex;
    QObject* m_dialog = nullptr;
    QString m_status;
    int m_success = -1;
    int m_failure = -1;
    bool m_finished = false;
    std::atomic<bool> m_cancel { false };
};

using ProgressReporterPtr = std::shared_ptr<ProgressReporter>;
