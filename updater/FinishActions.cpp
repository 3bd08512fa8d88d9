#include "FinishActions.h"

#include "NoticeBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

namespace {

void showNotice(QWidget* owner, const QString& text, const QString& title)
{
    const QString log = qEnvironmentVariable("CORVANA_UPDATER_NOTICES");
    if (log.isEmpty()) {
        NoticeBox::run(owner, text, title);
        return;
    }
    QFile file(log);
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write((title + QLatin1Char('\t') + text + QLatin1Char('\n')).toUtf8());
}

bool startDetached(const QString& program, const QString& folder)
{
    return QProcess::startDetached(program, {}, folder);
}

void endUpdater()
{
    QCoreApplication::exit(0);
}

} // namespace

FinishActions FinishActions::standard()
{
    return { &showNotice, &startDetached, &endUpdater };
}
