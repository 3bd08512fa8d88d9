#include "demo/ConferenceShots.h"

#include "demo/Photographs.h"
#include "demo/TourPace.h"
#include "shell/MainWindow.h"

#include "conference/ConferenceWorkspace.h"
#include "conference/InstantMeetingPage.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using tourPace::let;
using tourPace::letUntil;

void type(InstantMeetingPage& page, const char* editName, const QString& text)
{
    if (auto* edit = page.findChild<CEditBoxEx*>(QLatin1String(editName)))
        edit->setText(text);
}

void addParticipant(InstantMeetingPage& page, const QString& name, const QString& phone)
{
    type(page, "nameEdit", name);
    type(page, "phoneEdit", phone);
    if (auto* add = page.findChild<CButtonPNG*>(QStringLiteral("addButton")))
        add->click();
}

} // namespace

namespace ConferenceShots {

void render(MainWindow& mainWindow, const QString& folder)
{
    ConferenceWorkspace* workspace = mainWindow.workspace();
    mainWindow.runCommand(MainWindow::InstantMeeting);
    InstantMeetingPage* page = workspace->instantPage();
    if (!page)
        return;
    type(*page, "topicEdit", QStringLiteral("项目周会"));
    const std::pair<const char*, const char*> people[] = { { "王芳", "13911110001" }, { "李娜", "13911110002" },
        { "张伟", "13911110003" }, { "刘洋", "13911110004" }, { "陈静", "13911110005" }, { "杨磊", "13911110006" } };
    for (const auto& [name, phone] : people)
        addParticipant(*page, QString::fromUtf8(name), QString::fromLatin1(phone));
    Photographs::saveSideBySide(&mainWindow, workspace, folder, QStringLiteral("instant-composing.png"));

    // Photographed while the create runs: the page says it is starting, under the
    // progress dialog.
    QTimer::singleShot(0, workspace, [workspace, folder] {
        QWidget* progress = QApplication::activeModalWidget();
        if (!progress)
            return;
        const QPoint at((workspace->width() - progress->width()) / 2, (workspace->height() - progress->height()) / 2);
        Photographs::saveWithPopup(workspace, progress, at, folder, QStringLiteral("instant-starting.png"));
    });
    page->StartConference();
    // Members ring, answer and talk; the host's line answers first.
    letUntil([page] { return page->roster().rowCount(RosterList::Joined) >= 4; }, 15s);
    let(1500ms);
    Photographs::saveSideBySide(&mainWindow, workspace, folder, QStringLiteral("instant-running.png"));

    mainWindow.clickTab(MainWindow::BookedTab);
    let(800ms);
    Photographs::save(&mainWindow, folder, QStringLiteral("meetings-panel-booked.png"));
    mainWindow.clickTab(MainWindow::RunningTab);
    let(800ms);
    Photographs::save(&mainWindow, folder, QStringLiteral("meetings-panel-running.png"));
}

} // namespace ConferenceShots
