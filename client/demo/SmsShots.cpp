#include "demo/SmsShots.h"

#include "demo/Photographs.h"
#include "shell/MainWindow.h"

#include "conference/ConferenceWorkspace.h"
#include "core/addressbook/PanelMode.h"
#include "messaging/SmsPage.h"

#include <QPlainTextEdit>

namespace {

// A notice that, with the signature, comes to a few characters under the limit.
const char* const kNotice
    = "各位同事：本周五下午两点在三楼大会议室召开第二季度项目总结会，请各部门负责人提前准备本部门的工作总结、"
      "下季度计划以及需要协调解决的问题，会议材料请于周四下午五点前发送至项目办公室邮箱。不能到场的同事请通过电话"
      "会议方式参加，会议号码将在开会前半小时以短信方式通知。会后将安排部门之间的交流讨论，预计持续一个小时左右，"
      "请大家合理安排好手头的工作。"
      "会议期间请将手机调至静音状态，并提前十分钟到场签到，请勿迟到。如有疑问请联系项目办公室王芳，电话13911110001。谢"
      "谢配合！";

} // namespace

namespace SmsShots {

void render(MainWindow& mainWindow, const QString& folder)
{
    mainWindow.runCommand(MainWindow::SendSms);
    ConferenceWorkspace* workspace = mainWindow.workspace();
    auto* page = qobject_cast<SmsPage*>(workspace->pageWidget(ConferenceWorkspace::Page::Sms));
    if (!page)
        return;
    page->recipientsEdit()->setPlainText(QStringLiteral("13711112222"));
    page->AddRecipients(int(PanelMode::ContactGroups), -1, 0);
    page->contentEdit()->setPlainText(QString::fromUtf8(kNotice));
    page->contentEdit()->moveCursor(QTextCursor::End);
    Photographs::saveSideBySide(&mainWindow, workspace, folder, QStringLiteral("sms-composing.png"));
}

} // namespace SmsShots
