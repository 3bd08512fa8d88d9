#pragma once

#include <QAbstractListModel>
#include <QString>

#include <vector>

class ConferenceList;

// The conferences a meetings panel shows: one of the session's two lists (running or
// booked), narrowed by a filter over title and time. A row answers MeetingListBox::ItemRole with
// its MeetingListItem, whose key is the conference's index in the session's list, so
// an open request names the conference, not the row, also while a filter hides some.
// The model copies nothing: it keeps the indexes of the shown conferences and reads
// the list when asked, and it is rebuilt whenever the list is reloaded.
class MeetingListModel : public QAbstractListModel {
    Q_OBJECT
public:
    MeetingListModel(const ConferenceList& running, const ConferenceList& booked, int kind, QObject* parent = nullptr);

    void setKind(int kind);
    int kind() const { return m_kind; }
    void setFilter(const QString& text);
    // Reads the list again (after a reload, or for a new kind or filter).
    void rebuild();

    // The conference's index in the session's list, or -1 for a row not shown.
    int recordIndex(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const ConferenceList& list() const;

    const ConferenceList& m_running;
    const ConferenceList& m_booked;
    int m_kind;
    QString m_filter;
    std::vector<int> m_shown;
};
