#include "addressbook/ContactPicker.h"

#include "addressbook/ContactListView.h"
#include "addressbook/ContactTableModel.h"
#include "widgets/DialogControls.h"

#include "core/addressbook/MemberAdditions.h"
#include "core/addressbook/PickerCandidates.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The dialog's template, in dialog units.
constexpr int kWidthUnits = 220;
constexpr int kHeightUnits = 260;

using Field = ContactTableModel::Field;

// Name, number (hidden), sex (hidden), phone; widths in pixels.
const QList<ContactTableModel::Column> kColumns { { Field::Name }, { Field::Number }, { Field::Sex },
    { Field::Phone } };
const QList<int> kColumnWidths { 80, 0, 0, 190 };
constexpr int kRowHeight = 22;

} // namespace

ContactPicker::ContactPicker(
    const SessionState& session, std::function<void()> synchronise, const GroupEntry& target, QWidget* parent)
    : CDialogEx(parent)
    , m_target(GroupRef::of(target))
    , m_synchronise(std::move(synchronise))
    , m_calls(new ServiceCall(session, this))
    , m_model(new ContactTableModel(kColumns, this))
    , m_list(new ContactListView(this))
    , m_selectAllCheck(dialogControls::checkBox(tr("全选"), QStringLiteral("selectAllCheck"), this))
    , m_chooseButton(dialogControls::primaryButton(tr("选好了"), QStringLiteral("chooseButton"), this))
    , m_cancelButton(dialogControls::secondaryButton(tr("取消"), QStringLiteral("cancelButton"), this))
{
    setObjectName(QStringLiteral("contactPicker"));
    setModal(true);
    setFixedSize(fromDialogUnits(kWidthUnits, kHeightUnits));
    setCaption(tr("选择联系人"));
    setWindowTitle(caption());
    closeButton();

    m_model->setContacts(pickerCandidates(session.addressBook(), m_target.kind));
    m_list->setObjectName(QStringLiteral("contactPickerList"));
    m_list->setModel(m_model);
    m_list->setColumnWidths(kColumnWidths);
    m_list->setRowHeight(kRowHeight);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_selectAllCheck);
    buttons->addStretch();
    buttons->addWidget(m_chooseButton);
    buttons->addSpacing(12);
    buttons->addWidget(m_cancelButton);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(14, titleBandHeight() + 10, 14, 14);
    page->setSpacing(10);
    page->addWidget(m_list, 1);
    page->addLayout(buttons);

    connect(m_selectAllCheck, &CButtonCR::clicked, m_model, &ContactTableModel::setAllChecked);
    connect(m_chooseButton, &CButtonPNG::clicked, this, &ContactPicker::choose);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &ContactPicker::reject);
    // A reply dropped for another reason than a cancel (the session ended meanwhile)
    // still ends the adding; there is no book to synchronise then.
    connect(m_calls, &ServiceCall::finished, this, [this] {
        if (m_adding) {
            setAdding(false);
            done(Rejected);
        }
    });
}

void ContactPicker::choose()
{
    if (m_adding)
        return;
    std::vector<int> chosen = m_model->checkedAddressNos();
    if (chosen.empty()) {
        accept();
        return;
    }
    setAdding(true);
    ProgressDialog progress(this);
    m_calls->startWithProgress(
        Msg::MembersAdded, progress.reporter(), MemberAdditions(m_target.kind, m_target.id, std::move(chosen)));
    if (progress.exec() == QDialog::Rejected && m_adding) {
        // Cancelled: the reply is dropped, but what was added stays added.
        setAdding(false);
        if (m_synchronise)
            m_synchronise();
        accept();
    }
}

void ContactPicker::setAdding(bool adding)
{
    m_adding = adding;
    m_chooseButton->setEnabled(!adding);
    m_cancelButton->setEnabled(!adding);
    m_selectAllCheck->setEnabled(!adding);
    m_list->setEnabled(!adding);
    closeButton()->setEnabled(!adding);
}

bool ContactPicker::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::MembersAdded)
        return CDialogEx::event(event);
    if (const auto* reply = static_cast<AppEvent*>(event)->payload<MemberAdditionReply>())
        added(*reply);
    return true;
}

void ContactPicker::added(const MemberAdditionReply& reply)
{
    if (!m_adding)
        return;
    setAdding(false);
    for (const QString& refusal : reply.refusals)
        MessageBoxDialog::run(this, refusal, tr("提示"));
    if (m_synchronise)
        m_synchronise();
    accept();
}

void ContactPicker::reject()
{
    if (m_adding)
        return;
    CDialogEx::reject();
}
