#include "addressbook/GroupNameDialog.h"

#include "widgets/DialogControls.h"

#include "core/addressbook/AddressBookChange.h"
#include "core/addressbook/GroupRename.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "widgets/MessageBoxDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

// The dialog's template, in dialog units.
constexpr int kWidthUnits = 190;
constexpr int kHeightUnits = 90;

} // namespace

GroupNameDialog::GroupNameDialog(
    const SessionState& session, std::function<void()> synchronise, const GroupEntry& group, QWidget* parent)
    : CDialogEx(parent)
    , m_group(GroupRef::of(group))
    , m_synchronise(std::move(synchronise))
    , m_calls(new ServiceCall(session, this))
    , m_nameEdit(dialogControls::edit(QStringLiteral("groupNameEdit"), this))
    , m_okButton(dialogControls::primaryButton(tr("确定"), QStringLiteral("okButton"), this))
    , m_cancelButton(dialogControls::secondaryButton(tr("取消"), QStringLiteral("cancelButton"), this))
{
    setObjectName(QStringLiteral("groupNameDialog"));
    setModal(true);
    setFixedSize(fromDialogUnits(kWidthUnits, kHeightUnits));
    setCaption(tr("重命名"));
    setWindowTitle(caption());

    m_nameEdit->setMaxLength(kNameEditLimit);
    m_nameEdit->setText(QString::fromStdString(m_group.name));
    m_nameEdit->selectAll();

    auto* field = new QHBoxLayout;
    field->setSpacing(8);
    field->addWidget(dialogControls::label(tr("分组名称："), QStringLiteral("groupNameLabel"), this));
    field->addWidget(m_nameEdit, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addSpacing(16);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(20, titleBandHeight() + 14, 24, 14);
    page->addLayout(field);
    page->addStretch();
    page->addLayout(buttons);

    connect(m_okButton, &CButtonPNG::clicked, this, &GroupNameDialog::confirm);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &GroupNameDialog::reject);
    // A reply that never comes (the session ended meanwhile) still ends the wait.
    connect(m_calls, &ServiceCall::finished, this, [this] {
        if (m_saving) {
            setSaving(false);
            done(Rejected);
        }
    });
}

QString GroupNameDialog::typedName() const
{
    return m_nameEdit->text();
}

void GroupNameDialog::confirm()
{
    if (m_saving)
        return;
    const std::string typed = typedName().toStdString();
    switch (groupRenameStep(m_group.name, typed)) {
    case GroupRenameStep::StayOpen:
        return;
    case GroupRenameStep::Close:
        accept();
        return;
    case GroupRenameStep::Rename:
        break;
    }
    setSaving(true);
    m_calls->start(Msg::AddressBookChangeReplied, AddressBookChange::renameGroup(m_group.kind, m_group.id, typed));
}

void GroupNameDialog::setSaving(bool saving)
{
    m_saving = saving;
    m_okButton->setEnabled(!saving);
    m_cancelButton->setEnabled(!saving);
    m_nameEdit->setReadOnly(saving);
}

bool GroupNameDialog::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::AddressBookChangeReplied)
        return CDialogEx::event(event);
    if (const auto* reply = static_cast<AppEvent*>(event)->payload<ChangeReply>())
        renamed(*reply);
    return true;
}

void GroupNameDialog::renamed(const ChangeReply& reply)
{
    setSaving(false);
    if (!reply.succeeded())
        MessageBoxDialog::run(this, reply.message, tr("提示"));
    else if (m_synchronise)
        m_synchronise();
    done(reply.succeeded() ? Accepted : Rejected);
}

void GroupNameDialog::reject()
{
    if (m_saving)
        return;
    CDialogEx::reject();
}

void GroupNameDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm();
        return;
    }
    CDialogEx::keyPressEvent(event);
}
