#include "widgets/ImportFileDialog.h"

#include "widgets/DialogControls.h"

#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "skin/CStaticEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Palette.h"
#include "widgets/FileDialog.h"
#include "widgets/WebLinks.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The dialog's template, in dialog units.
constexpr int kWidthUnits = 250;
constexpr int kHeightUnits = 120;

} // namespace

ImportFileDialog::ImportFileDialog(QWidget* parent)
    : CDialogEx(parent)
    , m_pathEdit(dialogControls::edit(QStringLiteral("pathEdit"), this))
    , m_browseButton(dialogControls::secondaryButton(tr("浏览"), QStringLiteral("browseButton"), this))
    , m_templateLink(new CStaticEx(tr("请点此处下载号码文件模板"), this))
    , m_okButton(dialogControls::primaryButton(tr("确定"), QStringLiteral("okButton"), this))
    , m_cancelButton(dialogControls::secondaryButton(tr("取消"), QStringLiteral("cancelButton"), this))
{
    setObjectName(QStringLiteral("importFileDialog"));
    setModal(true);
    setFixedSize(fromDialogUnits(kWidthUnits, kHeightUnits));
    setCaption(tr("导入"));
    setWindowTitle(caption());

    m_templateLink->setObjectName(QStringLiteral("templateLink"));
    m_templateLink->setTextStyle(skin::palette::Link, true, false, 400);
    m_templateLink->setUrl(WebLinks::address(QString::fromUtf8(kTemplatePath)));

    auto* pathRow = new QHBoxLayout;
    pathRow->setSpacing(8);
    pathRow->addWidget(m_pathEdit, 1);
    pathRow->addWidget(m_browseButton);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_templateLink);
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addSpacing(12);
    buttons->addWidget(m_cancelButton);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(20, titleBandHeight() + 14, 20, 14);
    page->setSpacing(8);
    // Today's spreadsheets are read as well.
    for (CTransparentStatic* label :
        { dialogControls::label(tr("请选择导入的文件，类型为：*.txt,*.xsl"), QStringLiteral("fileTypesLabel"), this),
            dialogControls::label(
                tr("也可导入 Excel 工作簿(*.xlsx)和 CSV 文件(*.csv)"), QStringLiteral("moreFileTypesLabel"), this) }) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        page->addWidget(label);
    }
    page->addLayout(pathRow);
    page->addStretch();
    page->addLayout(buttons);

    connect(m_pathEdit, &CEditBoxEx::textChanged, this, [this](const QString& text) { m_path = text; });
    connect(m_browseButton, &CButtonPNG::clicked, this, &ImportFileDialog::browse);
    connect(m_okButton, &CButtonPNG::clicked, this, &ImportFileDialog::accept);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &ImportFileDialog::reject);
}

void ImportFileDialog::browse()
{
    const QString chosen
        = FileDialog::openFileName(this, tr("导入"), { tr("电子表格(*.xls *.xlsx *.csv)"), tr("文本文件(*.txt)") });
    if (chosen.isEmpty())
        return;
    m_pathEdit->setText(chosen);
    m_path = chosen;
}
