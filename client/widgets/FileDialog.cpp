#include "widgets/FileDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

#include <deque>

namespace {

std::deque<QString>& nextAnswers()
{
    static std::deque<QString> answers;
    return answers;
}

// "电子表格(*.xls)" gives "xls": the ending a bare typed name is given.
QString firstEndingOf(const QString& filter)
{
    static const QRegularExpression ending(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = ending.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString run(QWidget* parent, const QString& title, const QStringList& filters, QFileDialog::AcceptMode mode)
{
    if (!nextAnswers().empty()) {
        const QString answer = nextAnswers().front();
        nextAnswers().pop_front();
        return answer;
    }
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.setDefaultSuffix(firstEndingOf(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(firstEndingOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString FileDialog::saveFileName(QWidget* parent, const QString& title, const QStringList& filters)
{
    return run(parent, title, filters, QFileDialog::AcceptSave);
}

QString FileDialog::openFileName(QWidget* parent, const QString& title, const QStringList& filters)
{
    return run(parent, title, filters, QFileDialog::AcceptOpen);
}

void FileDialog::setNextAnswer(const QString& path)
{
    nextAnswers().push_back(path);
}

void FileDialog::clearNextAnswers()
{
    nextAnswers().clear();
}

int FileDialog::pendingAnswers()
{
    return int(nextAnswers().size());
}
