#include "widgets/ProgressDialog.h"

#include "widgets/MessageBoxDialog.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>

namespace {

const QColor kFace(93, 184, 255);

} // namespace

ProgressDialog::ProgressDialog(QWidget* owner)
    : CDialogEx(owner)
    , m_reporter(std::make_shared<ProgressReporter>())
    , m_bar(new QProgressBar(this))
    , m_statusLabel(new QLabel(tr("正在处理中..."), this))
    , m_cancelButton(new CButtonPNG(tr("取消"), this))
{
    setObjectName(QStringLiteral("progressDialog"));
    setModal(true);
    setFixedSize(fromDialogUnits(320, 70));
    // The close picture is part of the face but has no action: only Cancel stops the work.
    closeButton()->setEnabled(false);

    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setGeometry(20, 74, 350, 16);

    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setFont(skin::Fonts::ui(13));
    m_statusLabel->setGeometry(20, titleBandHeight() + 8, 440, 24);
    QPalette text = m_statusLabel->palette();
    text.setColor(QPalette::WindowText, skin::palette::TextOnBrand);
    m_statusLabel->setPalette(text);

    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setImage(QString::fromLatin1(skin::names::ButtonSecondary));
    m_cancelButton->setTextColors(skin::palette::Text, skin::palette::BrandDeep);
    m_cancelButton->setFont(skin::Fonts::ui(13));
    m_cancelButton->setGeometry(386, 68, 74, 28);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &ProgressDialog::reject);

    m_reporter->attach(this);
    m_timerId = startTimer(kTimerPeriodMs);
}

ProgressDialog::~ProgressDialog()
{
    m_reporter->detach();
}

int ProgressDialog::position() const
{
    return m_bar->value();
}

QString ProgressDialog::statusText() const
{
    return m_statusLabel->text();
}

void ProgressDialog::reject()
{
    // A worker that finishes after the user gave up reports to nobody.
    m_reporter->cancel();
    m_reporter->detach();
    if (m_timerId) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    CDialogEx::reject();
}

bool ProgressDialog::event(QEvent* event)
{
    if (AppEvent::messageOf(event) == Msg::ProgressStatus) {
        m_statusLabel->setText(m_reporter->status());
        m_statusLabel->repaint();
        return true;
    }
    if (AppEvent::messageOf(event) == Msg::ProgressFinished) {
        close();
        return true;
    }
    return CDialogEx::event(event);
}

void ProgressDialog::closeEvent(QCloseEvent* event)
{
    // Only the worker's Finish may end the dialog this way; any other close
    // request counts as the user giving up.
    event->ignore();
    if (m_reporter->cancelled() || m_ending)
        return;
    if (!m_reporter->finished()) {
        reject();
        return;
    }
    // A second Finish arriving while the counts are on screen changes nothing.
    m_ending = true;
    if (m_timerId) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    const int success = m_reporter->successCount();
    const int failure = m_reporter->failureCount();
    if (success >= 0 && failure >= 0) {
        MessageBoxDialog::run(
            this, tr("成功：%1,失败：%2").arg(success).arg(failure), tr("提示"));
    }
    accept();
}

void ProgressDialog::closeButtonClicked()
{
}

void ProgressDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId) {
        CDialogEx::timerEvent(event);
        return;
    }
    creep();
}

void ProgressDialog::creep()
{
    // The work's length is unknown: the bar never claims to be done before it is.
    if (m_bar->value() < kCreepLimit)
        m_bar->setValue(m_bar->value() + 1);
}

void ProgressDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), kFace);
    skin::Artwork::paint(
        painter, QString::fromLatin1(skin::names::ProgressBand), QRect(0, 0, width(), titleBandHeight()));
}
