#include "shell/AboutDialog.h"

#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include "CorvanaVersion.h"

AboutDialog::AboutDialog(QWidget* parent)
    : CDialogEx(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setModal(true);
    setFixedSize(fromDialogUnits(262, 162));
    setBackground(QString::fromLatin1(skin::names::FaceDialog));
    setCaption(tr("关于 Corvana"));
    closeButton();

    const int band = titleBandHeight();
    auto* logo = new CButtonPNG(this);
    logo->setImage(QString::fromLatin1(skin::names::AppIcon));
    logo->setPictureOnly(true);
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    logo->setGeometry(36, band + 34, 72, 72);

    auto* name = new CTransparentStatic(tr("Corvana电话会议"), this);
    name->setFont(skin::Fonts::ui(20, QFont::Bold));
    name->setTextColor(skin::palette::BrandDeep);
    name->setGeometry(128, band + 30, width() - 150, 30);

    const QString version
        = tr("版本 %1 (%2)")
              .arg(QString::fromLatin1(corvana::version::kText), QString::fromLatin1(corvana::version::kWire));
    auto* details = new CTransparentStatic(
        version + tr("\n随时随地召开电话会议：即时会议、预约会议、\n通信录、短信通知与录音试听。"), this);
    details->setObjectName(QStringLiteral("aboutText"));
    details->setFont(skin::Fonts::ui(12));
    details->setTextColor(skin::palette::TextSoft);
    details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    details->setGeometry(128, band + 66, width() - 150, 70);

    auto* ok = new CButtonPNG(tr("确 定"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setImage(QString::fromLatin1(skin::names::ButtonPrimary));
    ok->setTextColors(skin::palette::TextOnBrand, skin::palette::TextOnBrand);
    ok->setFont(skin::Fonts::ui(13));
    ok->setGeometry(width() - 110, height() - 46, 84, 28);
    connect(ok, &CButtonPNG::clicked, this, &AboutDialog::accept);
}
