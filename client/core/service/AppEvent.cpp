#include "core/service/AppEvent.h"

#include "core/service/MessageIds.h"

#include <QCoreApplication>
#include <QObject>

AppEvent::AppEvent(int message, std::intptr_t wParam, std::intptr_t lParam, std::any payload)
    : QEvent(static_cast<QEvent::Type>(message))
    , m_wParam(wParam)
    , m_lParam(lParam)
    , m_payload(std::move(payload))
{
}

AppEvent::~AppEvent() = default;

int AppEvent::messageOf(const QEvent* event)
{
    return dynamic_cast<const AppEvent*>(event) ? static_cast<int>(event->type()) : 0;
}

void postAppEvent(QObject* receiver, int message, std::intptr_t wParam, std::intptr_t lParam)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new AppEvent(message, wParam, lParam));
}
