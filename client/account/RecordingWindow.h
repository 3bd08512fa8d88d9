#pragma once

#include "widgets/SideWindow.h"

#include <functional>

class CButtonPNG;
class CDateTimeCtrlEx;
class CEditBoxBmp;
class CListCtrlEx;
class QModelIndex;
class QUrl;
class RecordingTableModel;
class ServiceCall;
class SessionState;
struct AccountListReply;

// "录音试听": the recordings of the account's conferences in a date range, fetched
// under the wait dialog and filtered by the search box; a double click on a row
// plays its recording in the desktop's player.
class RecordingWindow : public SideWindow {
    Q_OBJECT
public:
    // Hands a recording's address to a player; true when one took it.
    using Opener = std::function<bool(const QUrl&)>;

    RecordingWindow(SessionState& session, QWidget* mainWindow);
    ~RecordingWindow() override;

    // The player the double click uses; the desktop's by default.
    void setOpener(Opener opener);

    // "查询": the recordings of the pickers' range.
    void Query();
    // Plays the recording of a row shown; a row that is not shown plays nothing.
    void Play(int row);

    CListCtrlEx* list() const { return m_list; }
    RecordingTableModel* model() const { return m_model; }
    CDateTimeCtrlEx* startPicker() const { return m_startPicker; }
    CDateTimeCtrlEx* endPicker() const { return m_endPicker; }
    CEditBoxBmp* searchBox() const { return m_searchBox; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void recordingsReady(const AccountListReply& reply);
    void rowDoubleClicked(const QModelIndex& index);

    SessionState& m_session;
    ServiceCall* m_calls;
    RecordingTableModel* m_model;
    Opener m_opener;
    CDateTimeCtrlEx* m_startPicker;
    CDateTimeCtrlEx* m_endPicker;
    CButtonPNG* m_queryButton;
    CEditBoxBmp* m_searchBox;
    CListCtrlEx* m_list;
};
