#pragma once

#include "core/conference/RosterRules.h"

// What a LiveRoster tells the views over it, change by change, so that a view can
// pass each change on as narrowly as it happened (the calls pair up the way a Qt
// model's begin/end notifications do). Every call has an empty default.
class RosterObserver {
public:
    virtual ~RosterObserver() = default;

    virtual void rowsAboutToBeInserted(RosterList /*list*/, int /*first*/, int /*last*/) { }
    virtual void rowsInserted(RosterList /*list*/) { }
    virtual void rowsAboutToBeRemoved(RosterList /*list*/, int /*first*/, int /*last*/) { }
    virtual void rowsRemoved(RosterList /*list*/) { }
    // Cells of rows first..last now read differently.
    virtual void rowsChanged(RosterList /*list*/, int /*first*/, int /*last*/) { }
    // The list is rebuilt from its array (a new filter) or emptied.
    virtual void listAboutToBeReset(RosterList /*list*/) { }
    virtual void listReset(RosterList /*list*/) { }

    // A member list is being applied: its changes come between these two calls, so a
    // view may gather the rows appended meanwhile and show them together.
    virtual void memberListBegins() { }
    virtual void memberListEnds() { }

    virtual void countersChanged() { }
    // The joined list grew past its repaint size for the first time in this conference.
    virtual void repaintWanted() { }
    // The earliest end of a speaking hold moved (LiveRoster::nextHoldExpiry).
    virtual void holdExpiryChanged() { }
};
