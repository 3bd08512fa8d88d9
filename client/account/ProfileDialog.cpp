#include "account/ProfileDialog.h"

#include "widgets/DialogControls.h"

#include "core/service/AppEvent.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CComboBoxEt.h"
#include "skin/CEditBoxEx.h"
#include "skin/Fonts.h"

#include <QHBoxLayout>
#include <QRegularExpressionValidator>

using settingsRules::SexChoice;

ProfileDialog::ProfileDialog(SessionState& session, QObject* mainWindow, QWidget* parent)
    : SettingsDialog(session, mainWindow, tr("账号设置"), parent)
{
    setObjectName(QStringLiteral("profileDialog"));
    setFixedSize(fromDialogUnits(370, 236));
    buildControls();
    fill(session.memberProfile());
}

void ProfileDialog::buildControls()
{
    using namespace dialogControls;
    m_idTypeCombo = new CComboBoxEt(this);
    m_idTypeCombo->setObjectName(QStringLiteral("idTypeCombo"));
    m_idTypeCombo->setEditable(false);
    m_idTypeCombo->setFont(skin::Fonts::ui(13));
    m_idTypeCombo->setFixedHeight(28);
    for (const char* type : { QT_TR_NOOP("其它"), QT_TR_NOOP("身份证"), QT_TR_NOOP("护照"), QT_TR_NOOP("军官证"),
             QT_TR_NOOP("户口本"), QT_TR_NOOP("营业执照") })
        m_idTypeCombo->addItem(tr(type));

    m_maleRadio = radioBox(tr("男"), QStringLiteral("maleRadio"), this);
    m_femaleRadio = radioBox(tr("女"), QStringLiteral("femaleRadio"), this);
    m_otherRadio = radioBox(tr("其他"), QStringLiteral("otherRadio"), this);
    auto* sex = new QHBoxLayout;
    sex->setSpacing(14);
    sex->addWidget(m_maleRadio);
    sex->addWidget(m_femaleRadio);
    sex->addWidget(m_otherRadio);
    sex->addStretch();

    m_idNumberEdit = makeEdit(QStringLiteral("idNumberEdit"));
    m_contactPhoneEdit = makeEdit(QStringLiteral("contactPhoneEdit"));
    m_emailEdit = makeEdit(QStringLiteral("emailEdit"));
    m_streetEdit = makeEdit(QStringLiteral("streetEdit"));
    m_cityEdit = makeEdit(QStringLiteral("cityEdit"));
    m_provinceEdit = makeEdit(QStringLiteral("provinceEdit"));
    m_countryEdit = makeEdit(QStringLiteral("countryEdit"));
    m_postcodeEdit = makeEdit(QStringLiteral("postcodeEdit"));
    m_postcodeEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_postcodeEdit));
    m_remarkEdit = makeEdit(QStringLiteral("remarkEdit"));

    addAccountRow(2);
    addField(1, 0, tr("证件类型"), QStringLiteral("idTypeLabel"), m_idTypeCombo);
    addField(1, 1, tr("性    别"), QStringLiteral("sexLabel"), sex);
    addField(2, 0, tr("证件号码"), QStringLiteral("idNumberLabel"), m_idNumberEdit);
    addField(2, 1, tr("联系电话"), QStringLiteral("contactPhoneLabel"), m_contactPhoneEdit);
    addField(3, 0, tr("电子邮件"), QStringLiteral("emailLabel"), m_emailEdit);
    addField(3, 1, tr("邮    编"), QStringLiteral("postcodeLabel"), m_postcodeEdit);
    addField(4, 0, tr("街    道"), QStringLiteral("streetLabel"), m_streetEdit);
    addField(4, 1, tr("城    市"), QStringLiteral("cityLabel"), m_cityEdit);
    addField(5, 0, tr("省    份"), QStringLiteral("provinceLabel"), m_provinceEdit);
    addField(5, 1, tr("国    家"), QStringLiteral("countryLabel"), m_countryEdit);
    addField(6, 0, tr("备    注"), QStringLiteral("remarkLabel"), m_remarkEdit, 3);

    connect(m_maleRadio, &CButtonCR::clicked, this, [this] { chooseSex(SexChoice::Male); });
    connect(m_femaleRadio, &CButtonCR::clicked, this, [this] { chooseSex(SexChoice::Female); });
    connect(m_otherRadio, &CButtonCR::clicked, this, [this] { chooseSex(SexChoice::Other); });
}

void ProfileDialog::fill(const MemberProfile& profile)
{
    // An ID type the list does not have selects nothing, and is then sent as -1 the
    // way an unselected list reads.
    m_idTypeCombo->setCurrentIndex(
        profile.idType >= 0 && profile.idType < settingsRules::kIdTypeCount ? profile.idType : -1);
    chooseSex(settingsRules::sexChoice(profile.sex));
    m_idNumberEdit->setText(QString::fromStdString(profile.idNumber));
    m_contactPhoneEdit->setText(QString::fromStdString(profile.contactPhone));
    m_emailEdit->setText(QString::fromStdString(profile.email));
    m_streetEdit->setText(QString::fromStdString(profile.street));
    m_cityEdit->setText(QString::fromStdString(profile.city));
    m_provinceEdit->setText(QString::fromStdString(profile.province));
    m_countryEdit->setText(QString::fromStdString(profile.country));
    m_postcodeEdit->setText(QString::fromStdString(profile.postcode));
    m_remarkEdit->setText(QString::fromStdString(profile.remark));
}

SexChoice ProfileDialog::sexChoice() const
{
    if (m_maleRadio->isChecked())
        return SexChoice::Male;
    if (m_femaleRadio->isChecked())
        return SexChoice::Female;
    return SexChoice::Other;
}

void ProfileDialog::chooseSex(SexChoice choice)
{
    m_maleRadio->setChecked(choice == SexChoice::Male);
    m_femaleRadio->setChecked(choice == SexChoice::Female);
    m_otherRadio->setChecked(choice == SexChoice::Other);
}

MemberProfile ProfileDialog::typedProfile() const
{
    MemberProfile typed;
    typed.idType = m_idTypeCombo->currentIndex();
    typed.sex = settingsRules::sexValue(sexChoice());
    typed.idNumber = m_idNumberEdit->text().toStdString();
    typed.contactPhone = m_contactPhoneEdit->text().toStdString();
    typed.email = m_emailEdit->text().toStdString();
    typed.street = m_streetEdit->text().toStdString();
    typed.city = m_cityEdit->text().toStdString();
    typed.province = m_provinceEdit->text().toStdString();
    typed.country = m_countryEdit->text().toStdString();
    typed.postcode = m_postcodeEdit->text().toStdString();
    typed.remark = m_remarkEdit->text().toStdString();
    return typed;
}

void ProfileDialog::submit()
{
    send(ProfileSaveJob(settingsRules::editedProfile(session().memberProfile(), typedProfile())));
}

void ProfileDialog::replied(const SettingsReply& reply)
{
    if (reply.emptyResult) {
        done(Rejected);
        return;
    }
    if (!reply.succeeded()) {
        tell(reply.message);
        return;
    }
    tell(tr("帐号资料保存成功！"));
    postAppEvent(mainWindow(), Msg::ProfileSaved);
    accept();
}

bool ProfileDialog::event(QEvent* event)
{
    // Meant for the main window only; one that reaches this dialog is dropped here.
    if (AppEvent::messageOf(event) == Msg::ProfileSaved)
        return true;
    return SettingsDialog::event(event);
}
