#include "UpdaterDialog.h"

#include "DownloadJob.h"
#include "DownloadList.h"

#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QProgressBar>

namespace {

const QColor kFace(93, 185, 255);

} // namespace

UpdaterDialog::UpdaterDialog(
    std::string downloadList, DownloadSettings settings, FinishActions actions, QWidget* parent)
    : CDialogEx(parent)
    , m_downloadList(std::move(downloadList))
    , m_settings(std::move(settings))
    , m_actions(std::move(actions))
    , m_statusText(new CTransparentStatic(tr("系统正在升级，请稍候..."), this))
    , m_bar(new QProgressBar(this))
    , m_okButton(new CButtonPNG(tr("确定"), this))
    , m_cancelButton(new CButtonPNG(tr("取消"), this))
    , m_iconButton(new CButtonPNG(this))
{
    setObjectName(QStringLiteral("updaterDialog"));
    setWindowTitle(tr("Corvana 升级程序"));
    setWindowIcon(skin::Artwork::icon(QString::fromLatin1(skin::names::AppIcon)));
    setFixedSize(fromDialogUnits(320, 76));
    // Control 1001 exists, as on every window, but this one has no way out.
    closeButton()->hide();

    const int band = skin::Artwork::naturalSize(QString::fromLatin1(skin::names::ProgressBand)).height();
    m_iconButton->setObjectName(QStringLiteral("iconButton"));
    m_iconButton->setImage(QString::fromLatin1(skin::names::AppIcon));
    m_iconButton->setPictureOnly(true);
    m_iconButton->setEnabled(false);
    m_iconButton->setGeometry(22, band + 16, 40, 40);

    m_statusText->setObjectName(QStringLiteral("statusText"));
    m_statusText->setFont(skin::Fonts::ui(14));
    m_statusText->setTextColor(skin::palette::TextOnBrand);
    m_statusText->setGeometry(76, band + 10, 290, 24);

    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setGeometry(76, band + 42, 290, 14);

    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setImage(QString::fromLatin1(skin::names::ButtonSecondary));
    m_okButton->setTextColors(skin::palette::Text, skin::palette::BrandDeep);
    m_okButton->setFont(skin::Fonts::ui(13));
    m_okButton->setGeometry(386, band + 22, 74, 28);
    connect(m_okButton, &CButtonPNG::clicked, this, &UpdaterDialog::finish);

    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setImage(QString::fromLatin1(skin::names::ButtonSecondary));
    m_cancelButton->setGeometry(386, band + 22, 74, 28);
    m_cancelButton->hide();
}

UpdaterDialog::~UpdaterDialog() = default;

void UpdaterDialog::start()
{
    if (m_job || m_finished)
        return;
    m_timerId = startTimer(kTimerPeriodMs);
    m_job = std::make_unique<DownloadJob>(DownloadList::split(m_downloadList), m_settings);
    // The report is read on this thread once the worker has ended; the call is dropped
    // if the dialog is gone by then.
    m_job->start([this](const DownloadReport&) {
        QMetaObject::invokeMethod(this, &UpdaterDialog::finish, Qt::QueuedConnection);
    });
}

void UpdaterDialog::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    stopTimer();
    // OK may come before the worker is done: the files still missing are given up,
    // and the message must not claim they arrived.
    bool complete = false;
    if (m_job) {
        m_job->cancel();
        m_job->wait();
        complete = m_job->report().complete();
    }
    const QString text = complete ? tr("升级完毕！") : tr("升级未完成，请稍后重试。");
    if (m_actions.notify)
        m_actions.notify(this, text, tr("提示！"));
    // The client is started either way, so its next version check offers the update again.
    if (m_actions.startClient)
        m_actions.startClient(clientProgram(), QString::fromStdString(m_settings.folder.string()));
    if (m_actions.end)
        m_actions.end();
}

int UpdaterDialog::position() const
{
    return m_bar->value();
}

void UpdaterDialog::creep()
{
    // The bar measures time, not bytes: it never claims the end before the finish.
    if (m_bar->value() < kCreepLimit)
        m_bar->setValue(m_bar->value() + 1);
}

QString UpdaterDialog::clientProgram() const
{
    return QDir(QString::fromStdString(m_settings.folder.string())).filePath(QString::fromLatin1(kClientName));
}

void UpdaterDialog::reject()
{
}

void UpdaterDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void UpdaterDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        finish();
        return;
    }
    if (event->key() == Qt::Key_Escape)
        return;
    CDialogEx::keyPressEvent(event);
}

void UpdaterDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), kFace);
    const QString band = QString::fromLatin1(skin::names::ProgressBand);
    skin::Artwork::paint(painter, band, QRect(0, 0, width(), skin::Artwork::naturalSize(band).height()));
}

void UpdaterDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId) {
        CDialogEx::timerEvent(event);
        return;
    }
    creep();
}

void UpdaterDialog::stopTimer()
{
    if (m_timerId) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
}
