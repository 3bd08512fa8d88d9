#include "core/service/ProgressReporter.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"

#include <QCoreApplication>

void ProgressReporter::setStatus(int /*number*/, const QString& text)
{
    std::lock_guard lock(m_mutex);
    m_status = text;
    if (m_dialog)
        QCoreApplication::postEvent(m_dialog, new AppEvent(Msg::ProgressStatus));
}

void ProgressReporter::finish(int success, int failure)
{
    std::lock_guard lock(m_mutex);
    m_success = success;
    m_failure = failure;
    m_finished = true;
    if (m_dialog)
        QCoreApplication::postEvent(m_dialog, new AppEvent(Msg::ProgressFinished));
}

void ProgressReporter::attach(QObject* dialog)
{
    std::lock_guard lock(m_mutex);
    m_dialog = dialog;
}

void ProgressReporter::detach()
{
    std::lock_guard lock(m_mutex);
    m_dialog = nullptr;
}

QString ProgressReporter::status() const
{
    std::lock_guard lock(m_mutex);
    return m_status;
}

int ProgressReporter::successCount() const
{
    std::lock_guard lock(m_mutex);
    return m_success;
}

int ProgressReporter::failureCount() const
{
    std::lock_guard lock(m_mutex);
    return m_failure;
}

bool ProgressReporter::finished() const
{
    std::lock_guard lock(m_mutex);
    return m_finished;
}
