#include "demo/MeetingListShots.h"

#include "demo/Photographs.h"
#include "shell/MainWindow.h"

#include "conference/ConferenceWorkspace.h"
#include "conference/MeetingListPage.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxBmp.h"

#include <QEventLoop>
#include <QTimer>

namespace {

using Page = ConferenceWorkspace::Page;

// Lets the list settle and paint.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

namespace MeetingListShots {

void render(MainWindow& mainWindow, const QString& folder)
{
    ConferenceWorkspace* workspace = mainWindow.workspace();
    mainWindow.runCommand(MainWindow::InstantMeeting);
    MeetingListPage* page = workspace->meetingListPage();
    if (!page)
        return;
    // The tab loads the list under the progress dialog, which ends with the load.
    workspace->tab(Page::MeetingList)->click();
    settle();
    Photographs::saveSideBySide(&mainWindow, workspace, folder, QStringLiteral("meeting-list.png"));

    if (auto* search = page->findChild<CEditBoxBmp*>(QStringLiteral("searchBox"))) {
        search->setText(QStringLiteral("例会"));
        settle();
        Photographs::save(workspace, folder, QStringLiteral("meeting-list-search.png"));
    }

    workspace->tab(Page::RoomInfo)->click();
    settle();
    Photographs::saveSideBySide(&mainWindow, workspace, folder, QStringLiteral("room-info.png"));
}

} // namespace MeetingListShots
