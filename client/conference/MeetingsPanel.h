#pragma once

#include "skin/CDialogEx.h"

class ConferenceList;
class MeetingListBox;

// The list of running (kind 0) or booked (kind 1) conferences in the main window's
// panel area: one two-line row per conference, topic and start time. A click asks
// the main window to open that conference: the request names the conference's
// index in the session's list, also while a filter hides some rows.
class MeetingsPanel : public CDialogEx {
    Q_OBJECT
public:
    enum Kind { Running = 0, Booked = 1 };

    MeetingsPanel(QWidget* panelArea, QObject* mainWindow, Kind kind);

    void setKind(int kind);
    int kind() const { return m_kind; }
    // Fills the list again from the session's conferences of this kind.
    void RebuildMeetings();
    // Shows only the conferences whose topic contains text (all when it is empty).
    void SetFilter(const QString& text);

    MeetingListBox* list() const { return m_list; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const ConferenceList& conferences() const;

    int m_kind;
    QObject* m_mainWindow;
    QString m_filter;
    MeetingListBox* m_list;
};
