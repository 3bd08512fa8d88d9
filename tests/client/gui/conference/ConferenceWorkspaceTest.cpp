// The conference workspace: its tabs and pages, the messages it relays to them, the
// contacts it hands to the page showing, and what its two buttons hide.

#include "conference/ConferenceWorkspace.h"

#include "core/addressbook/ContactSelectionTarget.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"

#include <QSignalSpy>
#include <QTest>

#include <array>
#include <tuple>
#include <vector>

namespace {

using Page = ConferenceWorkspace::Page;

// A page that records what reaches it.
class PageStandIn : public QWidget, public ContactSelectionTarget {
public:
    QList<int> messages;
    std::vector<std::tuple<int, int, int>> picks;

    void AddFromAddressBook(int mode, int parent, int index) override { picks.emplace_back(mode, parent, index); }

protected:
    bool event(QEvent* event) override
    {
        if (const int message = AppEvent::messageOf(event)) {
            messages.append(message);
            return true;
        }
        return QWidget::event(event);
    }
};

} // namespace

class ConferenceWorkspaceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabsShowTheirPagesAndMarkTheActiveTab();
    void workerResultsAreRelayedToTheirPages();
    void chosenContactsGoToTheFirstPageShowingThatTakesThem();
    void contactsForAnSmsBringUpTheSmsPage();
    void theCloseButtonHidesThePagesTheHideButtonOnlyTheWindow();

private:
    PageStandIn* page(Page which) const { return m_pages[std::size_t(which)]; }
    void post(int message, int wParam = 0, int lParam = 0) const
    {
        postAppEvent(m_workspace.get(), message, wParam, lParam);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    SessionState m_session;
    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<ConferenceWorkspace> m_workspace;
    std::array<PageStandIn*, ConferenceWorkspace::kPageCount> m_pages {};
};

void ConferenceWorkspaceTest::init()
{
    m_owner = std::make_unique<QWidget>();
    m_workspace = std::make_unique<ConferenceWorkspace>(m_session, m_owner.get());
    for (int i = 0; i < ConferenceWorkspace::kPageCount; ++i) {
        m_pages[std::size_t(i)] = new PageStandIn;
        m_workspace->setPage(Page(i), m_pages[std::size_t(i)]);
    }
    m_workspace->show();
}

void ConferenceWorkspaceTest::cleanup()
{
    m_workspace.reset();
    m_owner.reset();
}

void ConferenceWorkspaceTest::tabsShowTheirPagesAndMarkTheActiveTab()
{
    QVERIFY(page(Page::Instant)->isVisible());
    for (int i = ConferenceWorkspace::kPageCount - 1; i >= 0; --i) {
        QTest::mouseClick(m_workspace->tab(Page(i)), Qt::LeftButton);
        QCOMPARE(m_workspace->page(), Page(i));
        for (int j = 0; j < ConferenceWorkspace::kPageCount; ++j) {
            QCOMPARE(page(Page(j))->isVisible(), i == j);
            QCOMPARE(m_workspace->tab(Page(j))->normalPicIndex(), i == j ? 1 : 0);
        }
    }
    ConferenceRecord running;
    running.conferenceId = "2026030400";
    m_workspace->OpenInstant(&running);
    QCOMPARE(m_workspace->openRecord()->conferenceId, running.conferenceId);
    // The instant tab opens an empty composition.
    QTest::mouseClick(m_workspace->tab(Page::Instant), Qt::LeftButton);
    QVERIFY(!m_workspace->openRecord());
}

void ConferenceWorkspaceTest::workerResultsAreRelayedToTheirPages()
{
    for (int message : { Msg::CreateConferenceResult, Msg::EndConferenceResult, Msg::ConferenceEnded,
             Msg::InstantPageReserved, Msg::BookingResult, Msg::SmsImportFinished, Msg::SmsSendFinished })
        post(message);
    QCOMPARE(page(Page::Instant)->messages,
        (QList<int> {
            Msg::CreateConferenceResult, Msg::EndConferenceResult, Msg::ConferenceEnded, Msg::InstantPageReserved }));
    QCOMPARE(page(Page::Booking)->messages, QList<int> { Msg::BookingResult });
    QCOMPARE(page(Page::Sms)->messages, (QList<int> { Msg::SmsImportFinished, Msg::SmsSendFinished }));
    QVERIFY(page(Page::MeetingList)->messages.isEmpty());
}

void ConferenceWorkspaceTest::chosenContactsGoToTheFirstPageShowingThatTakesThem()
{
    m_workspace->SetPanelMode(1, -1);
    post(Msg::ContactRowDoubleClicked, 3, 0); // wParam = index, lParam = parent
    QCOMPARE(page(Page::Instant)->picks, (std::vector<std::tuple<int, int, int>> { { 1, 0, 3 } }));

    m_workspace->ShowSmsPage();
    post(Msg::ContactRowDoubleClicked, -1, -1);
    QCOMPARE(page(Page::Sms)->picks, (std::vector<std::tuple<int, int, int>> { { 1, -1, -1 } }));

    // A page that takes no contacts showing: nobody gets them.
    QTest::mouseClick(m_workspace->tab(Page::RoomInfo), Qt::LeftButton);
    post(Msg::ContactRowDoubleClicked, 0, 0);
    QCOMPARE(page(Page::Instant)->picks.size(), std::size_t(1));
    QCOMPARE(page(Page::Sms)->picks.size(), std::size_t(1));
    QVERIFY(page(Page::Booking)->picks.empty());
}

void ConferenceWorkspaceTest::contactsForAnSmsBringUpTheSmsPage()
{
    QSignalSpy shown(m_workspace.get(), &ConferenceWorkspace::smsPageShown);
    m_workspace->SmsToContacts(1, -1, 2);
    QCOMPARE(m_workspace->page(), Page::Sms);
    QVERIFY(page(Page::Sms)->isVisible());
    QCOMPARE(page(Page::Sms)->picks, (std::vector<std::tuple<int, int, int>> { { 1, -1, 2 } }));
    QVERIFY(page(Page::Instant)->picks.empty());
    QCOMPARE(shown.count(), 1);
    // The tab brings the page up too: the signature is shown afresh.
    QTest::mouseClick(m_workspace->tab(Page::Sms), Qt::LeftButton);
    QCOMPARE(shown.count(), 2);
}

void ConferenceWorkspaceTest::theCloseButtonHidesThePagesTheHideButtonOnlyTheWindow()
{
    auto* hideButton = m_workspace->findChild<CButtonPNG*>(QStringLiteral("minimiseButton"));
    QVERIFY(hideButton);
    QTest::mouseClick(hideButton, Qt::LeftButton);
    QVERIFY(!m_workspace->isVisible());
    QVERIFY(page(Page::Instant)->isVisibleTo(m_workspace.get()));

    m_workspace->show();
    QTest::mouseClick(m_workspace->findChild<CButtonPNG*>(QStringLiteral("closeButton")), Qt::LeftButton);
    QVERIFY(!m_workspace->isVisible());
    QVERIFY(!page(Page::Instant)->isVisibleTo(m_workspace.get()));

    m_workspace->show();
    m_workspace->OpenInstant(nullptr);
    QVERIFY(page(Page::Instant)->isVisible());
}

QTEST_MAIN(ConferenceWorkspaceTest)
#include "ConferenceWorkspaceTest.moc"
