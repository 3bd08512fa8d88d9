#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Runs action on the modal dialog of type T as soon as it is the active modal
// widget: how a test answers a dialog that a window runs with exec().
template <typename T> void whenModal(std::function<void(T*)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start(5);
}
