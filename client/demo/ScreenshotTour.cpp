#include "demo/ScreenshotTour.h"

#include "demo/AccountShots.h"
#include "demo/AddressBookShots.h"
#include "demo/BookingShots.h"
#include "demo/ConferenceShots.h"
#include "demo/MeetingListShots.h"
#include "demo/Photographs.h"
#include "demo/ScreenshotGallery.h"
#include "demo/SettingsShots.h"
#include "demo/SmsShots.h"
#include "demo/UpdaterShots.h"
#include "shell/AboutDialog.h"
#include "shell/ExitPromptDialog.h"
#include "shell/MainWindow.h"
#include "widgets/MessageBoxDialog.h"

#include "conference/ConferenceWorkspace.h"
#include "core/session/SessionState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

namespace {

// Time for the posted loads (balance, lists) to arrive before the picture is taken.
constexpr int kSettleMs = 600;
constexpr int kUpgradeGiveUpMs = 20000;

} // namespace

ScreenshotTour::ScreenshotTour(MainWindow* mainWindow, QString folder, bool gallery, QObject* parent)
    : QObject(parent)
    , m_mainWindow(mainWindow)
    , m_folder(std::move(folder))
    , m_gallery(gallery)
{
    m_clock.start();
    if (!m_folder.isEmpty())
        QDir().mkpath(m_folder);
    qApp->installEventFilter(this);
}

bool ScreenshotTour::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        if (!m_loginSeen && watched->inherits("LoginDialog")) {
            m_loginSeen = true;
            auto* login = static_cast<QDialog*>(watched);
            QTimer::singleShot(0, this, [this, login] { onLoginShown(login); });
        } else if (!m_mainSeen && watched == m_mainWindow) {
            m_mainSeen = true;
            report("main-shown", true);
            QTimer::singleShot(kSettleMs, this, &ScreenshotTour::onMainShown);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ScreenshotTour::onLoginShown(QDialog* login)
{
    report("login-shown", false);
    save(login, QStringLiteral("login.png"));
    signIn(login);
}

void ScreenshotTour::signIn(QDialog* login)
{
    if (auto* account = login->findChild<QComboBox*>())
        account->setEditText(QString::fromLatin1(kAccount));
    for (auto* edit : login->findChildren<QLineEdit*>()) {
        if (edit->echoMode() == QLineEdit::Password)
            edit->setText(QString::fromLatin1(kPassword));
    }
    for (auto* button : login->findChildren<QAbstractButton*>()) {
        if (button->text() == QStringLiteral("登    录")) {
            report("login-clicked", true);
            button->click();
            return;
        }
    }
    std::fprintf(stderr, "tour: the login dialog has no sign-in button\n");
    login->reject();
}

void ScreenshotTour::onMainShown()
{
    if (!m_mainWindow)
        return;
    save(m_mainWindow, QStringLiteral("main-window.png"));
    if (m_upgrade) {
        upgrade();
        return;
    }
    if (m_gallery && !m_folder.isEmpty()) {
        ExitPromptDialog prompt(m_mainWindow->session().savedAccounts().current(), m_mainWindow);
        save(&prompt, QStringLiteral("exit-prompt.png"));
        AboutDialog about(m_mainWindow);
        save(&about, QStringLiteral("about.png"));
        ScreenshotGallery::renderCommonDialogs(m_folder);
        m_mainWindow->runCommand(MainWindow::InstantMeeting);
        Photographs::saveSideBySide(
            m_mainWindow, m_mainWindow->workspace(), m_folder, QStringLiteral("main-with-workspace.png"));
        AddressBookShots::render(*m_mainWindow, m_folder);
        ConferenceShots::render(*m_mainWindow, m_folder);
        BookingShots::render(*m_mainWindow, m_folder);
        MeetingListShots::render(*m_mainWindow, m_folder);
        UpdaterShots::render(m_folder);
        SettingsShots::render(*m_mainWindow, m_folder);
        SmsShots::render(*m_mainWindow, m_folder);
        AccountShots::render(*m_mainWindow, m_folder);
    }
    finish();
}

void ScreenshotTour::upgrade()
{
    // The user's OK to "有新版本程序，现在升级吗？"; the program ends when the updater starts.
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    report("version-check", false);
    m_mainWindow->runCommand(MainWindow::CheckVersion);
    // Without an offer nothing ends the program: the tour does, after a while.
    QTimer::singleShot(kUpgradeGiveUpMs, this, &ScreenshotTour::finish);
}

void ScreenshotTour::finish()
{
    std::fflush(stdout);
    if (m_mainWindow)
        m_mainWindow->endNow();
}

void ScreenshotTour::save(QWidget* widget, const QString& name) const
{
    if (!m_folder.isEmpty())
        Photographs::save(widget, m_folder, name);
}

void ScreenshotTour::report(const char* step, bool withTime) const
{
    if (withTime)
        std::printf("tour %s %.3f\n", step, double(m_clock.nsecsElapsed()) / 1e6);
    else
        std::printf("tour %s\n", step);
    std::fflush(stdout);
}
