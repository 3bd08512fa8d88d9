#include "addressbook/ContactDialog.h"

#include "widgets/DialogControls.h"

#include "core/addressbook/AddressBookChange.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "widgets/MessageBoxDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

// The dialog's template, in dialog units.
constexpr int kWidthUnits = 200;
constexpr int kHeightUnits = 140;

} // namespace

ContactDialog::ContactDialog(const SessionState& session, std::function<void()> synchronise,
    std::optional<ContactRecord> record, QWidget* parent)
    : CDialogEx(parent)
    , m_record(std::move(record))
    , m_synchronise(std::move(synchronise))
    , m_calls(new ServiceCall(session, this))
{
    setObjectName(QStringLiteral("contactDialog"));
    setModal(true);
    setFixedSize(fromDialogUnits(kWidthUnits, kHeightUnits));
    setCaption(m_record ? tr("编辑联系人") : tr("新增联系人"));
    setWindowTitle(caption());
    closeButton();
    buildControls();
    setForm(contactDialogForm(m_record));
}

void ContactDialog::buildControls()
{
    using namespace dialogControls;
    m_nameEdit = edit(QStringLiteral("nameEdit"), this);
    m_nameEdit->setMaxLength(kNameEditLimit);
    m_phoneEdit = edit(QStringLiteral("phoneEdit"), this);
    m_emailEdit = edit(QStringLiteral("emailEdit"), this);
    m_sexLabel = label(tr("性别"), QStringLiteral("sexLabel"), this);
    m_maleRadio = radioBox(tr("男"), QStringLiteral("maleRadio"), this);
    m_femaleRadio = radioBox(tr("女"), QStringLiteral("femaleRadio"), this);
    m_okButton = primaryButton(tr("确定"), QStringLiteral("okButton"), this);
    m_cancelButton = secondaryButton(tr("取消"), QStringLiteral("cancelButton"), this);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(10);
    fields->addWidget(label(tr("姓名"), QStringLiteral("nameLabel"), this), 0, 0);
    fields->addWidget(m_nameEdit, 0, 1);
    fields->addWidget(label(tr("电话"), QStringLiteral("phoneLabel"), this), 1, 0);
    fields->addWidget(m_phoneEdit, 1, 1);
    fields->addWidget(label(tr("Email"), QStringLiteral("emailLabel"), this), 2, 0);
    fields->addWidget(m_emailEdit, 2, 1);
    auto* sex = new QHBoxLayout;
    sex->addWidget(m_maleRadio);
    sex->addWidget(m_femaleRadio);
    sex->addStretch();
    fields->addWidget(m_sexLabel, 3, 0);
    fields->addLayout(sex, 3, 1);
    fields->setColumnStretch(1, 1);
    // The sex is kept, not asked.
    for (QWidget* hidden :
        { static_cast<QWidget*>(m_sexLabel), static_cast<QWidget*>(m_maleRadio), static_cast<QWidget*>(m_femaleRadio) })
        hidden->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addSpacing(16);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, titleBandHeight() + 16, 32, 16);
    page->addLayout(fields);
    page->addStretch();
    page->addLayout(buttons);

    connect(m_maleRadio, &CButtonCR::clicked, this, [this] { chooseSex(true); });
    connect(m_femaleRadio, &CButtonCR::clicked, this, [this] { chooseSex(false); });
    connect(m_okButton, &CButtonPNG::clicked, this, &ContactDialog::save);
    // A reply that never comes (the session ended meanwhile) still ends the wait.
    connect(m_calls, &ServiceCall::finished, this, [this] {
        if (m_saving) {
            setSaving(false);
            done(Rejected);
        }
    });
    connect(m_cancelButton, &CButtonPNG::clicked, this, &ContactDialog::reject);
}

ContactForm ContactDialog::form() const
{
    ContactForm form;
    form.name = m_nameEdit->text().toStdString();
    form.phone = m_phoneEdit->text().toStdString();
    form.email = m_emailEdit->text().toStdString();
    form.male = m_maleRadio->isChecked();
    form.female = m_femaleRadio->isChecked();
    return form;
}

void ContactDialog::setForm(const ContactForm& form)
{
    m_nameEdit->setText(QString::fromStdString(form.name));
    m_phoneEdit->setText(QString::fromStdString(form.phone));
    m_emailEdit->setText(QString::fromStdString(form.email));
    m_maleRadio->setChecked(form.male);
    m_femaleRadio->setChecked(form.female);
}

void ContactDialog::chooseSex(bool male)
{
    m_maleRadio->setChecked(male);
    m_femaleRadio->setChecked(!male);
}

void ContactDialog::save()
{
    if (m_saving)
        return;
    const ContactForm typed = form();
    if (checkContactForm(typed) == ContactFormCheck::NameOrPhoneMissing) {
        MessageBoxDialog::run(this, tr("姓名和电话不能为空"), tr("提示!"));
        return;
    }
    setSaving(true);
    m_calls->start(Msg::AddressBookChangeReplied, contactSaveChange(m_record, typed));
}

void ContactDialog::setSaving(bool saving)
{
    m_saving = saving;
    m_okButton->setEnabled(!saving);
    m_cancelButton->setEnabled(!saving);
    closeButton()->setEnabled(!saving);
}

bool ContactDialog::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::AddressBookChangeReplied)
        return CDialogEx::event(event);
    if (const auto* reply = static_cast<AppEvent*>(event)->payload<ChangeReply>())
        saved(*reply);
    return true;
}

void ContactDialog::saved(const ChangeReply& reply)
{
    setSaving(false);
    if (!reply.succeeded())
        MessageBoxDialog::run(this, reply.message, tr("提示"));
    else if (m_synchronise)
        m_synchronise();
    done(reply.succeeded() ? Accepted : Rejected);
}

void ContactDialog::reject()
{
    if (m_saving)
        return;
    CDialogEx::reject();
}

void ContactDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        save();
        return;
    }
    CDialogEx::keyPressEvent(event);
}
