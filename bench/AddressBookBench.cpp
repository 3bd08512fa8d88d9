// Speed of the address book at the size of a large account: 100,000 contacts with
// Chinese names and 11-digit numbers, in a full table of contact groups (and some
// ungrouped), plus 50 conference groups.
//   value contacts_panel_rebuild_100k_ms      the contacts panel's rebuild and the next frame
//   value contacts_search_keystroke_100k_ms   one more character in the search box, to the next frame
//   value export_xls_65535_ms                 writing 65,535 contacts to a .xls file
//   value export_xlsx_100k_ms                 writing every contact to a .xlsx file
//   value import_xlsx_100k_ms                 reading every row of a .xlsx file
// A .xls sheet holds 65,536 rows, the header included: an export of the whole book
// to .xls is refused, so the .xls export is measured at the most the format holds.
// The windows render offscreen unless QT_QPA_PLATFORM says otherwise.
//
// Other files of this program register their own benchmarks with a value line each
// (ValueLines.h); main prints every registered line.

#include "QtBenchMain.h"
#include "SyntheticAddressBook.h"
#include "ValueLines.h"

#include "addressbook/ContactsModel.h"
#include "addressbook/ContactsPanel.h"
#include "core/addressbook/ContactFile.h"
#include "core/session/SessionState.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CListBoxEx.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using corvana::bench::addValueLine;
using Clock = corvana::bench::RatioReporter::Clock;

constexpr int kContacts = 100000;
constexpr int kXlsContacts = 65535;

// The hardest keystroke: the first digit of a number, which every number holds, so
// the panel goes from its groups to a result for every contact in the book.
const QString kSearchBefore;
const QString kSearchKey = QStringLiteral("1");

// The main window's side of the panel: the search box above it, feeding it as the
// main window does, and the panel in the panel area, in a window of the main
// window's width. Counts the list's paints, so a measurement that did not paint
// is caught.
class PanelScene : public QObject {
public:
    PanelScene()
    {
        corvana::bench::fillSyntheticAddressBook(m_session.addressBook(), { .contacts = kContacts });
        m_session.setSignInResult(SessionState::kSignedIn);
        m_window.resize(290, 560);
        m_searchBox = new CEditBoxBmp(&m_window);
        m_searchBox->setGeometry(8, 0, 274, 30);
        m_panel = new ContactsPanel(m_session, &m_window, &m_mainWindow, [] {});
        m_panel->setGeometry(0, 36, 290, 524);
        connect(m_searchBox, &CEditBoxBmp::textChanged, this, [this](const QString& text) {
            m_panel->Search(text);
            m_searchBox->update();
        });
        m_panel->list()->viewport()->installEventFilter(this);
        m_window.show();
        const QDeadlineTimer deadline(10000);
        while (!(m_window.windowHandle() && m_window.windowHandle()->isExposed()) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        nextFrame();
    }

    ContactsPanel& panel() { return *m_panel; }
    CEditBoxBmp& searchBox() { return *m_searchBox; }
    int listPaints() const { return m_listPaints; }

    // What the event loop does after a change: the posted layouts and updates, and
    // the window's frame painted in full.
    void nextFrame()
    {
        m_window.repaint();
        QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_listPaints;
        return QObject::eventFilter(watched, event);
    }

private:
    SessionState m_session;
    QObject m_mainWindow;
    QWidget m_window;
    CEditBoxBmp* m_searchBox = nullptr;
    ContactsPanel* m_panel = nullptr;
    int m_listPaints = 0;
};

std::unique_ptr<PanelScene>& sceneHolder()
{
    static std::unique_ptr<PanelScene> scene;
    [[maybe_unused]] static const bool released = corvana::bench::releaseBeforeQuit([] { scene.reset(); });
    return scene;
}

PanelScene& scene()
{
    auto& holder = sceneHolder();
    if (!holder)
        holder = std::make_unique<PanelScene>();
    return *holder;
}

void BM_ContactsPanelRebuild(benchmark::State& state)
{
    PanelScene& shown = scene();
    shown.searchBox().clear();
    for (auto _ : state) {
        const int paints = shown.listPaints();
        shown.panel().SetModeAndRebuild(0);
        shown.nextFrame();
        if (shown.listPaints() == paints) {
            state.SkipWithError("the list was not painted");
            break;
        }
    }
    if (shown.panel().model()->rowCount() != corvana::bench::AddressBookShape {}.contactGroups + 1)
        state.SkipWithError("the panel does not show every group and the ungrouped contacts");
}

void BM_ContactsSearchKeystroke(benchmark::State& state)
{
    PanelScene& shown = scene();
    int results = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shown.searchBox().setText(kSearchBefore);
        shown.nextFrame();
        const int paints = shown.listPaints();
        state.ResumeTiming();

        shown.searchBox().insert(kSearchKey);
        shown.nextFrame();

        results = shown.panel().model()->rowCount(shown.panel().model()->index(0, 0));
        if (shown.listPaints() == paints || shown.panel().searchText() != kSearchBefore + kSearchKey) {
            state.SkipWithError("the keystroke did not reach the panel or the list was not painted");
            break;
        }
    }
    state.counters["results"] = results;
    if (results != kContacts)
        state.SkipWithError("the first digit did not find every contact");
    shown.searchBox().clear();
}

const std::vector<ContactRecord>& contacts()
{
    static const std::vector<ContactRecord> all = corvana::bench::syntheticContacts(kContacts);
    return all;
}

const std::vector<ContactRecord>& xlsContacts()
{
    static const std::vector<ContactRecord> first(contacts().begin(), contacts().begin() + kXlsContacts);
    return first;
}

const QTemporaryDir& folder()
{
    static const QTemporaryDir dir;
    return dir;
}

void exportTo(benchmark::State& state, const QString& name, const std::vector<ContactRecord>& exported)
{
    const std::string path = folder().filePath(name).toStdString();
    for (auto _ : state) {
        const std::string error = writeContactFile(path, exported);
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
}

void BM_ExportXls(benchmark::State& state)
{
    exportTo(state, QStringLiteral("contacts.xls"), xlsContacts());
}

void BM_ExportXlsx(benchmark::State& state)
{
    exportTo(state, QStringLiteral("contacts.xlsx"), contacts());
}

void BM_ImportXlsx(benchmark::State& state)
{
    const std::string path = folder().filePath(QStringLiteral("import.xlsx")).toStdString();
    if (const std::string error = writeContactFile(path, contacts()); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) {
        const ContactFileRows read = readContactFile(path);
        if (read.readFailed || read.rows.size() != contacts().size()) {
            state.SkipWithError("the file did not read back whole");
            break;
        }
        benchmark::DoNotOptimize(read.rows.data());
    }
}

// The GUI work runs on the benchmark's thread alone: its CPU time is what a busy
// machine disturbs least. The file work also waits on the disk.
constexpr int kRepetitions = 5;
BENCHMARK(BM_ContactsPanelRebuild)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_ContactsSearchKeystroke)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_ExportXls)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kRepetitions);
BENCHMARK(BM_ExportXlsx)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kRepetitions);
BENCHMARK(BM_ImportXlsx)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kRepetitions);

[[maybe_unused]] const bool kValueLines
    = addValueLine({ "contacts_panel_rebuild_100k_ms", "BM_ContactsPanelRebuild", Clock::Cpu })
    && addValueLine({ "contacts_search_keystroke_100k_ms", "BM_ContactsSearchKeystroke", Clock::Cpu })
    && addValueLine({ "export_xls_65535_ms", "BM_ExportXls", Clock::Wall })
    && addValueLine({ "export_xlsx_100k_ms", "BM_ExportXlsx", Clock::Wall })
    && addValueLine({ "import_xlsx_100k_ms", "BM_ImportXlsx", Clock::Wall });

} // namespace
