#include "addressbook/NewGroupPage.h"

#include "addressbook/AddressBookWindow.h"
#include "widgets/DialogControls.h"

#include "core/addressbook/AddressBookChange.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"
#include "widgets/MessageBoxDialog.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The page's own title band, where its title and its close button sit.
constexpr int kBandHeight = 36;

} // namespace

NewGroupPage::NewGroupPage(const SessionState& session, AddressBookWindow* window, QWidget* parent)
    : CDialogEx(parent, Placement::Child)
    , m_window(window)
    , m_calls(new ServiceCall(session, this))
    , m_titleLabel(dialogControls::label(QString(), QStringLiteral("titleLabel"), this))
    , m_nameLabel(dialogControls::label(QString(), QStringLiteral("groupNameLabel"), this))
    , m_nameEdit(dialogControls::edit(QStringLiteral("groupNameEdit"), this))
    , m_saveButton(dialogControls::primaryButton(tr("保存"), QStringLiteral("saveButton"), this))
    , m_cancelButton(dialogControls::secondaryButton(tr("取消"), QStringLiteral("cancelButton"), this))
{
    setObjectName(QStringLiteral("newGroupPage"));
    closeButton();
    m_titleLabel->setFont(skin::Fonts::ui(15, QFont::Medium));
    m_titleLabel->setTextColor(skin::palette::TextOnBrand);
    m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_titleLabel->setFixedHeight(kBandHeight);
    m_nameEdit->setMaxLength(kNameEditLimit);

    auto* field = new QHBoxLayout;
    field->setContentsMargins(26, 0, 0, 0);
    field->setSpacing(10);
    field->addWidget(m_nameLabel);
    field->addWidget(m_nameEdit, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addSpacing(16);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(14, 0, 80, 0);
    page->setSpacing(24);
    page->addWidget(m_titleLabel);
    page->addLayout(field);
    page->addLayout(buttons);
    page->addStretch();

    connect(m_saveButton, &CButtonPNG::clicked, this, &NewGroupPage::save);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &NewGroupPage::cancel);
    // A save whose answer is dropped (the session ended) must not leave the page resting.
    connect(m_calls, &ServiceCall::finished, this, [this] {
        if (m_saving) {
            setSaving(false);
            hide();
        }
    });
    openFor(GroupKind::ContactGroup);
    hide();
}

void NewGroupPage::openFor(GroupKind kind)
{
    m_kind = kind;
    m_titleLabel->setText(title());
    m_nameLabel->setText(kind == GroupKind::ContactGroup ? tr("联系人组名称") : tr("会议组名称"));
    m_nameEdit->clear();
    show();
}

QString NewGroupPage::title() const
{
    return m_kind == GroupKind::ContactGroup ? tr("新建联系人组") : tr("新建会议组");
}

void NewGroupPage::save()
{
    if (m_saving)
        return;
    const std::string name = m_nameEdit->text().toStdString();
    if (name.empty())
        return;
    setSaving(true);
    m_calls->start(Msg::AddressBookChangeReplied, AddressBookChange::addGroup(m_kind, name));
}

void NewGroupPage::setSaving(bool saving)
{
    m_saving = saving;
    m_saveButton->setEnabled(!saving);
    m_cancelButton->setEnabled(!saving);
    closeButton()->setEnabled(!saving);
}

bool NewGroupPage::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::AddressBookChangeReplied)
        return CDialogEx::event(event);
    if (const auto* reply = static_cast<AppEvent*>(event)->payload<ChangeReply>())
        saved(*reply);
    return true;
}

void NewGroupPage::saved(const ChangeReply& reply)
{
    setSaving(false);
    if (reply.succeeded())
        postAppEvent(m_window, Msg::AddressBookChanged);
    else
        MessageBoxDialog::run(this, reply.message, tr("提示"));
    hide();
}

void NewGroupPage::cancel()
{
    if (m_saving)
        return;
    postAppEvent(m_window, Msg::AddressBookShowLastGroup);
    hide();
}

void NewGroupPage::paintEvent(QPaintEvent* event)
{
    CDialogEx::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin::palette::Brand);
    painter.drawRoundedRect(QRectF(0, 0, width(), kBandHeight), 6, 6);
}

void NewGroupPage::closeButtonClicked()
{
    cancel();
}
