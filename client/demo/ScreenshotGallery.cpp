#include "demo/ScreenshotGallery.h"

#include "login/LoginDialog.h"
#include "widgets/MeetingListBox.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/OperationListCtrl.h"
#include "widgets/ProgressDialog.h"

#include "core/session/OptionsFile.h"
#include "core/session/SessionState.h"
#include "skin/Artwork.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

QString save(QWidget& widget, const QString& folder, const QString& name)
{
    widget.ensurePolished();
    const QString path = QDir(folder).filePath(name);
    return widget.grab().save(path) ? path : QString();
}

void collect(QStringList& written, const QString& path)
{
    if (!path.isEmpty())
        written.append(path);
}

} // namespace

QStringList ScreenshotGallery::renderCommonDialogs(const QString& folder)
{
    QDir().mkpath(folder);
    QStringList written;

    {
        // A session and an options file of its own, so the gallery never shows or
        // touches the user's saved accounts.
        QTemporaryDir optionsDir;
        SessionState session;
        LoginDialog login(session, nullptr, true, OptionsFile(optionsDir.filePath(QStringLiteral("cvoptions.dat"))));
        login.findChild<QComboBox*>(QStringLiteral("accountCombo"))->setEditText(QStringLiteral("13800138000"));
        login.findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(QStringLiteral("123456"));
        collect(written, save(login, folder, QStringLiteral("login-idle.png")));
        // The busy look belongs to a running attempt; it is cancelled straight after.
        login.attempt();
        collect(written, save(login, folder, QStringLiteral("login-busy.png")));
        login.attempt();
    }
    {
        MessageBoxDialog box;
        box.set(QStringLiteral("确定要删除选中的联系人吗？"), QStringLiteral("提示"), true);
        collect(written, save(box, folder, QStringLiteral("message-box-ok-cancel.png")));
        box.set(QStringLiteral("登录超时，请检查您的网络或重新登录。"), QStringLiteral("提示"), false);
        collect(written, save(box, folder, QStringLiteral("message-box-ok.png")));
    }
    {
        ProgressDialog progress;
        progress.SetStatus(0, QStringLiteral("正在导入通讯录..."));
        QCoreApplication::sendPostedEvents(&progress);
        collect(written, save(progress, folder, QStringLiteral("progress-dialog.png")));
    }
    {
        MeetingListBox meetings;
        meetings.resize(286, 4 * MeetingListBox::kRowHeight);
        meetings.setImageList(
            { skin::Artwork::pixmap(QString::fromLatin1(skin::names::ContactConference), QSize(32, 32)) });
        meetings.addRow(0, QStringLiteral("季度销售例会"), QString(), QStringLiteral("2026-12-07 14:00"), 1);
        meetings.addRow(0, QStringLiteral("产品评审会议：新版客户端发布计划与测试安排"), QString(),
            QStringLiteral("2026-12-07 15:30"), 2);
        meetings.addRow(0, QStringLiteral("技术支持周会"), QString(), QStringLiteral("2026-12-08 09:00"), 3);
        meetings.setCurrentIndex(meetings.model()->index(1, 0));
        collect(written, save(meetings, folder, QStringLiteral("meeting-list.png")));
    }
    {
        OperationListCtrl operations;
        operations.resize(480, 140);
        operations.addColumn(QStringLiteral("会议主题"), 170);
        operations.addColumn(QStringLiteral("会议时间"), 140);
        operations.addColumn(QStringLiteral("操作"), 150, Qt::AlignCenter);
        operations.appendItem(
            { QStringLiteral("季度销售例会"), QStringLiteral("2026-12-07 14:00"), QStringLiteral("删除  呼叫") });
        operations.appendItem(
            { QStringLiteral("产品评审会议"), QStringLiteral("2026-12-07 15:30"), QStringLiteral("删除  呼叫") });
        collect(written, save(operations, folder, QStringLiteral("operation-list.png")));
    }
    return written;
}
