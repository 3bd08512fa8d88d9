#pragma once

#include "core/conference/RosterObserver.h"

#include <QAbstractTableModel>
#include <QStringList>

class LiveRoster;

// What the instant page's two list models share: a view over one list of a
// LiveRoster that passes each of the roster's changes on as the narrowest model
// signal (an inserted row, a removed row, one row's dataChanged; a reset only for a
// new filter or an emptied page). While a member list is applied, rows appended to
// the end are held back and shown as one insertion when the list is done or before
// any other change: a thousand members arriving at once would otherwise cost the
// views a thousand single insertions. The hidden "编号" column of the page's lists is
// not a model column: nothing reads it.
//
// The roster must outlive the model.
class RosterListModel : public QAbstractTableModel, protected RosterObserver {
    Q_OBJECT
public:
    ~RosterListModel() override;

    LiveRoster& roster() const { return m_roster; }
    RosterList list() const { return m_list; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    // One column for each header text, in order.
    RosterListModel(LiveRoster& roster, RosterList list, QStringList headers, QObject* parent);

    bool isRow(const QModelIndex& index) const;

    void rowsAboutToBeInserted(RosterList list, int first, int last) override;
    void rowsInserted(RosterList list) override;
    void rowsAboutToBeRemoved(RosterList list, int first, int last) override;
    void rowsRemoved(RosterList list) override;
    void rowsChanged(RosterList list, int first, int last) override;
    void listAboutToBeReset(RosterList list) override;
    void listReset(RosterList list) override;
    void memberListBegins() override;
    void memberListEnds() override;

private:
    // Shows the rows appended while they were held back.
    void showHeldRows();

    LiveRoster& m_roster;
    RosterList m_list;
    QStringList m_headers;
    // The rows the views know of: the roster's rows but for those held back.
    int m_shownRows = 0;
    bool m_applyingMemberList = false;
    bool m_holdingInsertion = false;
};
