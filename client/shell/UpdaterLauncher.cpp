#include "shell/UpdaterLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

UpdaterLauncher::StartFunction& startFunction()
{
    static UpdaterLauncher::StartFunction function;
    return function;
}

QString& folderOverride()
{
    static QString folder;
    return folder;
}

bool startDetached(const QString& program, const QStringList& arguments, const QString& folder)
{
    return QProcess::startDetached(program, arguments, folder);
}

} // namespace

QString UpdaterLauncher::programFolder()
{
    return folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
}

QString UpdaterLauncher::updaterPath()
{
    return QDir(programFolder()).filePath(QStringLiteral("updater"));
}

bool UpdaterLauncher::canUpdateInPlace()
{
    const QFileInfo folder(programFolder());
    return folder.isDir() && folder.isWritable();
}

QString UpdaterLauncher::start(const QString& downloadList)
{
    const QString program = updaterPath();
    const QString folder = programFolder();
    if (!startFunction()) {
        const QFileInfo info(program);
        if (!info.exists() || !info.isExecutable())
            return QCoreApplication::translate(
                "UpdaterLauncher", "未找到升级程序（%1），无法自动升级。请重新安装Corvana。")
                .arg(program);
    }
    const auto& start = startFunction() ? startFunction() : UpdaterLauncher::StartFunction(&startDetached);
    if (!start(program, { downloadList }, folder))
        return QCoreApplication::translate("UpdaterLauncher", "升级程序（%1）无法启动，请稍后重试。").arg(program);
    return {};
}

void UpdaterLauncher::setStartFunction(StartFunction function)
{
    startFunction() = std::move(function);
}

void UpdaterLauncher::setProgramFolder(const QString& folder)
{
    folderOverride() = folder;
}
