#include "demo/AccountShots.h"

#include "demo/Photographs.h"
#include "demo/TourPace.h"
#include "shell/MainWindow.h"

#include "account/BillQueryWindow.h"
#include "account/RecordingWindow.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CListCtrlEx.h"

#include <QDate>
#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using tourPace::let;

// The demo account's conferences go back eight weeks.
constexpr int kDaysShown = 60;

// Asks for the range and waits until its rows are listed (or the limit passes).
template <typename Window> void queryLastMonths(Window& window)
{
    window.startPicker()->setDate(QDate::currentDate().addDays(-kDaysShown));
    window.endPicker()->setDate(QDate::currentDate());
    window.Query();
    for (auto waited = 0ms; waited < 3000ms && window.list()->itemCount() == 0; waited += 100ms)
        let(100ms);
    let(100ms);
}

} // namespace

namespace AccountShots {

void render(MainWindow& mainWindow, const QString& folder)
{
    mainWindow.runCommand(MainWindow::BillQuery);
    BillQueryWindow& bills = *mainWindow.billQueryWindow();
    bills.SwitchMode(BillQueryWindow::ConferenceCharges);
    queryLastMonths(bills);
    Photographs::saveSideBySide(&mainWindow, &bills, folder, QStringLiteral("bills-conference.png"));
    bills.searchBox()->setText(QStringLiteral("T09:30"));
    Photographs::saveSideBySide(&mainWindow, &bills, folder, QStringLiteral("bills-conference-search.png"));
    bills.searchBox()->clear();
    bills.SwitchMode(BillQueryWindow::SmsCharges);
    queryLastMonths(bills);
    Photographs::saveSideBySide(&mainWindow, &bills, folder, QStringLiteral("bills-sms.png"));
    bills.SwitchMode(BillQueryWindow::ConferenceCharges);

    mainWindow.runCommand(MainWindow::Recordings);
    RecordingWindow& recordings = *mainWindow.recordingWindow();
    queryLastMonths(recordings);
    Photographs::saveSideBySide(&mainWindow, &recordings, folder, QStringLiteral("recordings.png"));
}

} // namespace AccountShots
