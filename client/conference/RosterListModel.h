#pragma once

#include "core/conference/RosterObserver.h"

#include <QAbstractTableModel>

class LiveRoster;

// What the instant page's two list models share: a view over one list of a
// LiveRoster that passes each of the roster's changes on as the narrowest model
// signal (an inserted row, a removed row, one row's dataChanged; a reset only for a
// new filter or an emptied page). The hidden "编号" column of the page's lists is not
// a model column: nothing reads it.
//
// The roster must outlive the model.
class RosterListModel : public QAbstractTableModel, protected RosterObserver {
    Q_OBJECT
public:
    ~RosterListModel() override;

    LiveRoster& roster() const { return m_roster; }
    RosterList list() const { return m_list; }

    int rowCount(const QModelIndex& parent = {}) const override;

protected:
    RosterListModel(LiveRoster& roster, RosterList list, QObject* parent);

    bool isRow(const QModelIndex& index) const;

    void rowsAboutToBeInserted(RosterList list, int first, int last) override;
    void rowsInserted(RosterList list) override;
    void rowsAboutToBeRemoved(RosterList list, int first, int last) override;
    void rowsRemoved(RosterList list) override;
    void rowsChanged(RosterList list, int first, int last) override;
    void listAboutToBeReset(RosterList list) override;
    void listReset(RosterList list) override;

private:
    LiveRoster& m_roster;
    RosterList m_list;
};
