#pragma once

#include <functional>

class MainWindow;
class QApplication;

// The program's life: one running copy per user (a later start brings the running
// one's window, or its login dialog, to the front and ends quietly with status 0),
// then the main window from the login to the end. It owns the session the windows
// share.
class ClientApp {
public:
    // Called with the main window just before it starts; the demo tour hooks in here.
    using StartHook = std::function<void(MainWindow&)>;

    // Names the application, applies the skin and the user's language.
    static void setUp(QApplication& app);

    // Runs the program inside an existing QApplication; returns the exit status.
    int run(const StartHook& beforeStart = {});
};
