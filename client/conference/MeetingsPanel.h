#pragma once

#include "skin/CDialogEx.h"

class MeetingListBox;
class MeetingListModel;
class SessionState;

// The list of running (kind 0) or booked (kind 1) conferences in the main window's
// panel area: one two-line row per conference, topic and start time, a view over a
// MeetingListModel of the session's lists. A click asks the main window to open that
// conference: the request names the conference's index in the session's list, also
// while a filter hides some rows.
class MeetingsPanel : public CDialogEx {
    Q_OBJECT
public:
    enum Kind { Running = 0, Booked = 1 };

    MeetingsPanel(const SessionState& session, QWidget* panelArea, QObject* mainWindow, Kind kind);

    void setKind(int kind);
    int kind() const;
    // Fills the list again from the session's conferences of this kind.
    void RebuildMeetings();
    // Shows only the conferences whose title or start time contains text (all when it
    // is empty).
    void SetFilter(const QString& text);

    MeetingListBox* list() const { return m_list; }
    MeetingListModel* model() const { return m_model; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QObject* m_mainWindow;
    MeetingListModel* m_model;
    MeetingListBox* m_list;
};
