#pragma once

#include <QStringList>

// The program's life: one running copy per user (a later start brings the running
// one's window, or its login dialog, to the front and ends quietly with status 0),
// then the main window from the login to the end. With "--screenshot-tour DIR" (and
// "--gallery") or "--timing-tour" the program signs in with the demo account by
// itself, reports its steps and ends (used by the demo, the screenshots script and
// the start-up benchmark).
class ClientApp {
public:
    // Runs the program inside an existing QApplication; returns the exit status.
    int run(const QStringList& arguments);
};
