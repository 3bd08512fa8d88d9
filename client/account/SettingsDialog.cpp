#include "account/SettingsDialog.h"

#include "widgets/DialogControls.h"
#include "widgets/MessageBoxDialog.h"

#include "core/service/AppEvent.h"
#include "core/session/SessionState.h"
#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 20;
constexpr int kLabelWidth = 64;

} // namespace

SettingsDialog::SettingsDialog(SessionState& session, QObject* mainWindow, const QString& title, QWidget* parent)
    : CDialogEx(parent)
    , m_session(session)
    , m_mainWindow(mainWindow)
    , m_calls(new ServiceCall(session, this))
{
    setModal(true);
    setBackground(QString::fromLatin1(skin::names::FaceDialog));
    setWindowTitle(title);
    closeButton();

    const int band = titleBandHeight();
    auto* icon = new CButtonPNG(this);
    icon->setObjectName(QStringLiteral("titleIcon"));
    icon->setImage(QString::fromLatin1(skin::names::AppIcon));
    icon->setPictureOnly(true);
    // Part of the face: a press on it moves the window like one on the title band.
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    icon->setFocusPolicy(Qt::NoFocus);
    icon->setGeometry(12, (band - kIconSize) / 2, kIconSize, kIconSize);

    m_title = new CTransparentStatic(title, this);
    m_title->setObjectName(QStringLiteral("titleText"));
    m_title->setFont(skin::Fonts::ui(14, QFont::Medium));
    m_title->setTextColor(skin::palette::TextOnBrand);
    m_title->setGeometry(12 + kIconSize + 8, 0, 240, band);

    using namespace dialogControls;
    m_okButton = primaryButton(tr("确定"), QStringLiteral("okButton"), this);
    m_cancelButton = secondaryButton(tr("取消"), QStringLiteral("cancelButton"), this);

    m_fields = new QGridLayout;
    m_fields->setHorizontalSpacing(10);
    m_fields->setVerticalSpacing(12);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addSpacing(16);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, band + 20, 32, 18);
    page->addLayout(m_fields);
    page->addStretch();
    page->addSpacing(12);
    page->addLayout(buttons);

    m_accountEdit = makeEdit(QStringLiteral("accountEdit"));
    m_accountEdit->setReadOnly(true);
    m_accountEdit->setBackgroundColor(skin::palette::Face);
    m_accountEdit->setFocusPolicy(Qt::NoFocus);
    m_accountEdit->setText(QString::fromStdString(session.regphoneid()));

    connect(m_okButton, &CButtonPNG::clicked, this, &SettingsDialog::confirm);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &SettingsDialog::reject);
    connect(m_calls, &ServiceCall::finished, this, [this] {
        if (m_waiting) {
            setWaiting(false);
            noReply();
        }
    });
}

QString SettingsDialog::title() const
{
    return m_title->text();
}

void SettingsDialog::addAccountRow(int columns)
{
    addField(0, 0, tr("帐    号"), QStringLiteral("accountLabel"), m_accountEdit, columns * 2 - 1);
}

CEditBoxEx* SettingsDialog::makeEdit(const QString& objectName)
{
    CEditBoxEx* made = dialogControls::edit(objectName, this);
    made->setMinimumWidth(150);
    return made;
}

CTransparentStatic* SettingsDialog::fieldLabel(const QString& text, const QString& objectName)
{
    CTransparentStatic* made = dialogControls::label(text, objectName, this);
    made->setMinimumWidth(kLabelWidth);
    return made;
}

void SettingsDialog::addField(
    int row, int column, const QString& label, const QString& labelName, QWidget* field, int span)
{
    m_fields->addWidget(fieldLabel(label, labelName), row, column * 2);
    m_fields->addWidget(field, row, column * 2 + 1, 1, span);
    m_fields->setColumnStretch(column * 2 + 1, 1);
}

void SettingsDialog::addField(
    int row, int column, const QString& label, const QString& labelName, QLayout* field, int span)
{
    m_fields->addWidget(fieldLabel(label, labelName), row, column * 2);
    m_fields->addLayout(field, row, column * 2 + 1, 1, span);
    m_fields->setColumnStretch(column * 2 + 1, 1);
}

void SettingsDialog::confirm()
{
    if (m_waiting)
        return;
    submit();
}

void SettingsDialog::tell(const QString& text)
{
    MessageBoxDialog::run(this, text, tr("提示"));
}

void SettingsDialog::setWaiting(bool waiting)
{
    m_waiting = waiting;
    m_okButton->setEnabled(!waiting);
    m_cancelButton->setEnabled(!waiting);
    closeButton()->setEnabled(!waiting);
}

void SettingsDialog::noReply()
{
    CDialogEx::reject();
}

void SettingsDialog::reject()
{
    if (m_waiting)
        return;
    CDialogEx::reject();
}

bool SettingsDialog::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::AccountSettingReplied)
        return CDialogEx::event(event);
    if (const auto* reply = static_cast<AppEvent*>(event)->payload<SettingsReply>()) {
        setWaiting(false);
        replied(*reply);
    }
    return true;
}

void SettingsDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm();
        return;
    }
    CDialogEx::keyPressEvent(event);
}
