#pragma once

#include "DownloadSettings.h"
#include "FinishActions.h"

#include "skin/CDialogEx.h"

#include <memory>
#include <string>

class CButtonPNG;
class CTransparentStatic;
class DownloadJob;
class QProgressBar;

// The updater's window: a notice, a bar that creeps forward while the files of the
// download list arrive, and OK. When the worker is done, or at once on OK or Enter,
// the finish sequence stops the bar, says how the update went, starts the client from
// the program folder and ends the updater. Nothing cancels it: Escape and the window
// manager's close do nothing.
class UpdaterDialog : public CDialogEx {
    Q_OBJECT
public:
    static constexpr int kTimerPeriodMs = 700;
    static constexpr int kCreepLimit = 99;
    static constexpr const char* kClientName = "corvana";

    UpdaterDialog(
        std::string downloadList, DownloadSettings settings, FinishActions actions, QWidget* parent = nullptr);
    ~UpdaterDialog() override;

    // Starts the bar's timer and the download worker.
    void start();
    // Runs once; later calls do nothing.
    void finish();
    bool isFinished() const { return m_finished; }

    int position() const;
    void creep();
    bool timerRunning() const { return m_timerId != 0; }

    QString clientProgram() const;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void stopTimer();

    std::string m_downloadList;
    DownloadSettings m_settings;
    FinishActions m_actions;
    std::unique_ptr<DownloadJob> m_job;
    CTransparentStatic* m_statusText;
    QProgressBar* m_bar;
    CButtonPNG* m_okButton;
    CButtonPNG* m_cancelButton;
    CButtonPNG* m_iconButton;
    int m_timerId = 0;
    bool m_finished = false;
};
