#include "demo/SettingsShots.h"

#include "demo/Photographs.h"
#include "shell/MainWindow.h"

#include "account/MeetingSettingsDialog.h"
#include "account/PasswordDialog.h"
#include "account/ProfileDialog.h"
#include "account/SmsSignatureDialog.h"
#include "account/TransferDialog.h"
#include "core/session/SessionState.h"
#include "skin/CButtonST.h"
#include "skin/CEditBoxEx.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMenu>

namespace {

// The profile arrives with the sign-in's loads but announces nothing: wait a little
// for it, so the dialogs show the account's values.
void waitForProfile(const SessionState& session)
{
    const QDeadlineTimer deadline(5000);
    while (session.memberProfile().hostNumber.empty() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

void type(QWidget* dialog, const char* name, const QString& text)
{
    if (auto* edit = dialog->findChild<CEditBoxEx*>(QString::fromLatin1(name)))
        edit->setText(text);
}

void photographMenu(MainWindow& mainWindow, const QString& folder)
{
    auto* button = mainWindow.findChild<CButtonST*>(QStringLiteral("mainMenuButton"));
    QMenu* menu = button ? button->dropMenu() : nullptr;
    if (!menu)
        return;
    const QPoint at = button->mapTo(&mainWindow, QPoint(0, button->height()));
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    QApplication::processEvents();
    Photographs::saveWithPopup(&mainWindow, menu, at, folder, QStringLiteral("main-menu.png"));
    menu->close();
}

} // namespace

namespace SettingsShots {

void render(MainWindow& mainWindow, const QString& folder)
{
    SessionState& session = mainWindow.session();
    waitForProfile(session);
    photographMenu(mainWindow, folder);

    ProfileDialog profile(session, &mainWindow, &mainWindow);
    Photographs::save(&profile, folder, QStringLiteral("settings-profile.png"));

    PasswordDialog password(session, &mainWindow, &mainWindow);
    type(&password, "oldPasswordEdit", QStringLiteral("123456"));
    Photographs::save(&password, folder, QStringLiteral("settings-password.png"));

    MeetingSettingsDialog meeting(session, &mainWindow, &mainWindow);
    Photographs::save(&meeting, folder, QStringLiteral("settings-meeting.png"));

    SmsSignatureDialog signature(session, &mainWindow, &mainWindow);
    Photographs::save(&signature, folder, QStringLiteral("settings-sms-signature.png"));

    TransferDialog transfer(session, &mainWindow, &mainWindow);
    type(&transfer, "toAccountEdit", QStringLiteral("13900139000"));
    type(&transfer, "amountEdit", QStringLiteral("50"));
    type(&transfer, "passwordEdit", QStringLiteral("123456"));
    Photographs::save(&transfer, folder, QStringLiteral("settings-transfer.png"));
}

} // namespace SettingsShots
