#pragma once

#include <QString>

#include <functional>

class QWidget;

// The three things the updater does when it is done, replaceable so that tests (and
// unattended runs) can watch them instead of a box waiting for a user.
struct FinishActions {
    // Tells the user how the update went, in a box owned by the dialog.
    std::function<void(QWidget* owner, const QString& text, const QString& title)> notify;
    // Starts the client program in its folder; whether it started.
    std::function<bool(const QString& program, const QString& folder)> startClient;
    // Ends the updater with exit status 0.
    std::function<void()> end;

    // The real ones. With CORVANA_UPDATER_NOTICES naming a file, the message is
    // appended to that file as "title<TAB>text" instead of waiting in a box.
    static FinishActions standard();
};
