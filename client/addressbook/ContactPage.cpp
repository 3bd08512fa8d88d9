#include "addressbook/ContactPage.h"

#include "addressbook/AddressBookWindow.h"
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
#include <QVBoxLayout>

// A save's answer, and whether it added a contact (whose fields then clear).
struct ContactPage::Answer {
    bool added = false;
    ChangeReply reply;
};

ContactPage::ContactPage(const SessionState& session, AddressBookWindow* window, QWidget* parent)
    : CDialogEx(parent, Placement::Child)
    , m_window(window)
    , m_calls(new ServiceCall(session, this))
    , m_nameEdit(dialogControls::edit(QStringLiteral("nameEdit"), this))
    , m_phoneEdit(dialogControls::edit(QStringLiteral("phoneEdit"), this))
    , m_emailEdit(dialogControls::edit(QStringLiteral("emailEdit"), this))
    , m_sexLabel(dialogControls::label(tr("性别"), QStringLiteral("sexLabel"), this))
    , m_maleRadio(dialogControls::radioBox(tr("男"), QStringLiteral("maleRadio"), this))
    , m_femaleRadio(dialogControls::radioBox(tr("女"), QStringLiteral("femaleRadio"), this))
    , m_saveButton(dialogControls::primaryButton(tr("保存"), QStringLiteral("saveButton"), this))
    , m_cancelButton(dialogControls::secondaryButton(tr("取消"), QStringLiteral("cancelButton"), this))
{
    setObjectName(QStringLiteral("contactPage"));
    m_nameEdit->setMaxLength(kNameEditLimit);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(12);
    fields->addWidget(dialogControls::label(tr("姓名"), QStringLiteral("nameLabel"), this), 0, 0);
    fields->addWidget(m_nameEdit, 0, 1);
    fields->addWidget(dialogControls::label(tr("电话"), QStringLiteral("phoneLabel"), this), 1, 0);
    fields->addWidget(m_phoneEdit, 1, 1);
    fields->addWidget(dialogControls::label(tr("Email"), QStringLiteral("emailLabel"), this), 2, 0);
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
    buttons->addWidget(m_saveButton);
    buttons->addSpacing(16);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(40, 24, 80, 0);
    page->setSpacing(24);
    page->addLayout(fields);
    page->addLayout(buttons);
    page->addStretch();

    connect(m_maleRadio, &CButtonCR::clicked, this, [this] { chooseSex(true); });
    connect(m_femaleRadio, &CButtonCR::clicked, this, [this] { chooseSex(false); });
    connect(m_saveButton, &CButtonPNG::clicked, this, &ContactPage::save);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &ContactPage::cancel);
    // A save whose answer is dropped (the session ended) must not leave the page resting.
    connect(m_calls, &ServiceCall::finished, this, [this] { setSaving(false); });
    showContact(std::nullopt);
}

void ContactPage::showContact(std::optional<ContactRecord> record)
{
    m_record = std::move(record);
    setForm(contactPageForm(m_record));
}

ContactForm ContactPage::form() const
{
    return { m_nameEdit->text().toStdString(), m_phoneEdit->text().toStdString(), m_emailEdit->text().toStdString(),
        m_maleRadio->isChecked(), m_femaleRadio->isChecked() };
}

void ContactPage::setForm(const ContactForm& form)
{
    m_nameEdit->setText(QString::fromStdString(form.name));
    m_phoneEdit->setText(QString::fromStdString(form.phone));
    m_emailEdit->setText(QString::fromStdString(form.email));
    m_maleRadio->setChecked(form.male);
    m_femaleRadio->setChecked(form.female);
}

void ContactPage::chooseSex(bool male)
{
    m_maleRadio->setChecked(male);
    m_femaleRadio->setChecked(!male);
}

void ContactPage::save()
{
    if (m_saving)
        return;
    const ContactForm typed = form();
    if (checkContactForm(typed) == ContactFormCheck::NameOrPhoneMissing) {
        MessageBoxDialog::run(this, tr("姓名和电话不能为空"), tr("提示!"));
        return;
    }
    Answer answer;
    answer.added = !m_record;
    setSaving(true);
    m_calls->start(Msg::AddressBookChangeReplied,
        [answer, job = contactSaveChange(m_record, typed)](CCvService& service, const Credentials& who) {
            Answer replied = answer;
            replied.reply = job(service, who);
            return replied;
        });
    // Forgotten whatever the answer: a further "保存" adds a contact.
    m_record.reset();
}

void ContactPage::setSaving(bool saving)
{
    m_saving = saving;
    m_saveButton->setEnabled(!saving);
    m_cancelButton->setEnabled(!saving);
}

bool ContactPage::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::AddressBookChangeReplied)
        return CDialogEx::event(event);
    if (const auto* answer = static_cast<AppEvent*>(event)->payload<Answer>())
        saved(*answer);
    return true;
}

void ContactPage::saved(const Answer& answer)
{
    setSaving(false);
    if (!answer.reply.succeeded()) {
        MessageBoxDialog::run(this, answer.reply.message, tr("提示!"));
        return;
    }
    postAppEvent(m_window, Msg::AddressBookChanged);
    if (answer.added)
        setForm(contactPageForm(std::nullopt));
}

void ContactPage::cancel()
{
    if (m_saving)
        return;
    postAppEvent(m_window, Msg::AddressBookShowLastGroup);
    showContact(std::nullopt);
}
