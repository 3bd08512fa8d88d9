#include "shell/ExitPromptDialog.h"

#include "core/session/SavedAccount.h"
#include "skin/Artwork.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

namespace {

CButtonCR* makeChoice(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* box = new CButtonCR(text, parent);
    box->setObjectName(objectName);
    box->setPictures(QString::fromLatin1(skin::names::RadioOff), QString::fromLatin1(skin::names::RadioOn));
    box->setRadioLike(true);
    box->setFont(skin::Fonts::ui(13));
    box->setTextColor(skin::palette::Text);
    return box;
}

} // namespace

ExitPromptDialog::ExitPromptDialog(SavedAccount* account, QWidget* parent)
    : CDialogEx(parent)
    , m_account(account)
    , m_exitormin(account ? account->exitormin : 0)
    , m_minimiseCheck(
          makeChoice(tr("最小化到系统托盘，不退出程序"), QStringLiteral("minimiseChoice"), this))
    , m_exitCheck(makeChoice(tr("退出程序"), QStringLiteral("exitChoice"), this))
    , m_neverShowCheck(new CButtonCR(tr("不再提醒"), this))
    , m_okButton(new CButtonPNG(tr("确定"), this))
    , m_cancelButton(new CButtonPNG(tr("取消"), this))
{
    setObjectName(QStringLiteral("exitPrompt"));
    setModal(true);
    setFixedSize(fromDialogUnits(190, 104));
    setBackground(QString::fromLatin1(skin::names::FaceDialog));
    setCaption(tr("退出Corvana"));
    closeButton();

    const int band = titleBandHeight();

    m_minimiseCheck->setGeometry(40, band + 18, width() - 60, 24);
    m_exitCheck->setGeometry(40, band + 50, width() - 60, 24);

    // Shown by nothing: the preference is kept with the account but has no effect.
    m_neverShowCheck->setObjectName(QStringLiteral("neverShowCheck"));
    m_neverShowCheck->setPictures(
        QString::fromLatin1(skin::names::CheckOff), QString::fromLatin1(skin::names::CheckOn));
    m_neverShowCheck->setGeometry(40, band + 82, 120, 22);
    m_neverShowCheck->setChecked(account && account->nevershow != 0);
    m_neverShowCheck->hide();
    m_neverShowCheck->setEnabled(false);

    const int buttonTop = height() - 44;
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setImage(QString::fromLatin1(skin::names::ButtonPrimary));
    m_okButton->setTextColors(skin::palette::TextOnBrand, skin::palette::TextOnBrand);
    m_okButton->setFont(skin::Fonts::ui(13));
    m_okButton->setGeometry(width() / 2 - 86, buttonTop, 76, 28);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setImage(QString::fromLatin1(skin::names::ButtonSecondary));
    m_cancelButton->setTextColors(skin::palette::Text, skin::palette::BrandDeep);
    m_cancelButton->setFont(skin::Fonts::ui(13));
    m_cancelButton->setGeometry(width() / 2 + 10, buttonTop, 76, 28);

    m_exitCheck->setChecked(m_exitormin == 0);
    m_minimiseCheck->setChecked(m_exitormin != 0);

    connect(m_minimiseCheck, &CButtonCR::clicked, this, &ExitPromptDialog::chooseMinimise);
    connect(m_exitCheck, &CButtonCR::clicked, this, &ExitPromptDialog::chooseExit);
    connect(m_neverShowCheck, &CButtonCR::toggled, this, &ExitPromptDialog::setNeverShow);
    connect(m_okButton, &CButtonPNG::clicked, this, &ExitPromptDialog::accept);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &ExitPromptDialog::reject);
}

void ExitPromptDialog::chooseMinimise()
{
    m_exitCheck->setChecked(false);
    m_minimiseCheck->setChecked(true);
    m_exitormin = 1;
    if (m_account)
        m_account->exitormin = 1;
}

void ExitPromptDialog::chooseExit()
{
    m_minimiseCheck->setChecked(false);
    m_exitCheck->setChecked(true);
    m_exitormin = 0;
    if (m_account)
        m_account->exitormin = 0;
}

void ExitPromptDialog::setNeverShow(bool neverShow)
{
    if (m_account)
        m_account->nevershow = neverShow ? 1 : 0;
}

void ExitPromptDialog::closeButtonClicked()
{
}
