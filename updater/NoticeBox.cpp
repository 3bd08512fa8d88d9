#include "NoticeBox.h"

#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 26;
constexpr int kButtonTop = 108;

} // namespace

NoticeBox::NoticeBox(const QString& text, const QString& title, QWidget* parent)
    : CDialogEx(parent)
    , m_textLabel(new QLabel(text, this))
{
    setObjectName(QStringLiteral("noticeBox"));
    setModal(true);
    setWindowTitle(title);
    setFixedSize(fromDialogUnits(175, 91));
    setBackground(QString::fromLatin1(skin::names::FaceDialog));
    connect(closeButton(), &CButtonPNG::clicked, this, &NoticeBox::accept);

    auto* mark = new CButtonPNG(this);
    mark->setImage(QString::fromLatin1(skin::names::Logo));
    mark->setPictureOnly(true);
    mark->setEnabled(false);
    const int band = titleBandHeight();
    mark->setGeometry(12, (band - 24) / 2, 104, 24);

    m_textLabel->setObjectName(QStringLiteral("noticeText"));
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setWordWrap(true);
    m_textLabel->setFont(skin::Fonts::ui(13));
    m_textLabel->setGeometry(10, band + 6, width() - 20, kButtonTop - band - 12);
    QPalette palette = m_textLabel->palette();
    palette.setColor(QPalette::WindowText, skin::palette::Text);
    m_textLabel->setPalette(palette);

    auto* ok = new CButtonPNG(tr("确定"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setImage(QString::fromLatin1(skin::names::ButtonPrimary));
    ok->setTextColors(skin::palette::TextOnBrand, skin::palette::TextOnBrand);
    ok->setFont(skin::Fonts::ui(13));
    ok->setGeometry((width() - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight);
    connect(ok, &CButtonPNG::clicked, this, &NoticeBox::accept);
}

QString NoticeBox::text() const
{
    return m_textLabel->text();
}

void NoticeBox::run(QWidget* parent, const QString& text, const QString& title)
{
    NoticeBox box(text, title, parent);
    box.exec();
}

void NoticeBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    CDialogEx::keyPressEvent(event);
}
