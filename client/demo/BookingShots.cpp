#include "demo/BookingShots.h"

#include "demo/Photographs.h"
#include "demo/TourPace.h"
#include "shell/MainWindow.h"

#include "conference/ConferenceWorkspace.h"
#include "conference/ScheduledMeetingPage.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxEx.h"
#include "widgets/MessageBoxDialog.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using tourPace::let;
using tourPace::letUntil;

void type(ScheduledMeetingPage& page, const char* editName, const QString& text)
{
    if (auto* edit = page.findChild<CEditBoxEx*>(QLatin1String(editName)))
        edit->setText(text);
}

void click(ScheduledMeetingPage& page, const char* buttonName)
{
    if (auto* button = page.findChild<CButtonPNG*>(QLatin1String(buttonName)))
        button->click();
}

// The booked conference with this id in the session's list, or -1.
int bookedIndex(const SessionState& session, const std::string& id)
{
    const ConferenceList& booked = session.bookedConferences();
    for (int i = 0; i < booked.count(); ++i) {
        if (booked.at(i)->conferenceId == id)
            return i;
    }
    return -1;
}

} // namespace

namespace BookingShots {

void render(MainWindow& mainWindow, const QString& folder)
{
    ConferenceWorkspace* workspace = mainWindow.workspace();
    mainWindow.runCommand(MainWindow::BookMeeting);
    ScheduledMeetingPage* page = workspace->bookingPage();
    if (!page)
        return;
    type(*page, "topicEdit", QStringLiteral("季度产品评审"));
    const std::pair<const char*, const char*> people[] = { { "王芳", "13911110001" }, { "李娜", "13911110002" },
        { "张伟", "13911110003" }, { "刘洋", "13911110004" }, { "陈静", "13911110005" } };
    for (const auto& [name, phone] : people) {
        type(*page, "nameEdit", QString::fromUtf8(name));
        type(*page, "phoneEdit", QString::fromLatin1(phone));
        click(*page, "addButton");
    }
    if (auto* picker = page->findChild<CDateTimeCtrlEx*>(QStringLiteral("timePicker")))
        picker->setDateTime(QDateTime(QDate::currentDate().addDays(1), QTime(10, 0)));
    if (auto* recording = page->findChild<CButtonCR*>(QStringLiteral("recordingBox")))
        recording->setChecked(true);
    Photographs::saveSideBySide(&mainWindow, workspace, folder, QStringLiteral("booking-new.png"));

    // Booked, then opened again from the booked list the way the user would.
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    click(*page, "bookButton");
    letUntil([page] { return page->editingFlag() == 1; }, 10s);
    const std::string id = page->record().conferenceId;
    letUntil([&] { return bookedIndex(mainWindow.session(), id) >= 0; }, 10s);
    let(500ms);
    const int index = bookedIndex(mainWindow.session(), id);
    if (index >= 0) {
        postAppEvent(&mainWindow, Msg::OpenBookedConference, 1, index);
        let(500ms);
    }
    Photographs::saveSideBySide(&mainWindow, workspace, folder, QStringLiteral("booking-viewing.png"));

    click(*page, "editButton");
    type(*page, "topicEdit", QStringLiteral("季度产品评审（第二轮）"));
    let(200ms);
    Photographs::saveSideBySide(&mainWindow, workspace, folder, QStringLiteral("booking-editing.png"));
}

} // namespace BookingShots
