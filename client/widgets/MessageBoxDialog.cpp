#include "widgets/MessageBoxDialog.h"

#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QKeyEvent>
#include <QLabel>
#include <QList>

namespace {

// Answers queued by tests, and the texts of the boxes they answered.
QList<int>& queuedAnswers()
{
    static QList<int> answers;
    return answers;
}

QStringList& seamTexts()
{
    static QStringList texts;
    return texts;
}

constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 26;
constexpr int kButtonTop = 108;
constexpr int kOkLeft = 46;
constexpr int kCancelLeft = 146;
// Without Cancel the lone OK moves right so that it stands in the middle.
constexpr int kLoneOkShift = 50;

} // namespace

MessageBoxDialog::MessageBoxDialog(QWidget* parent)
    : CDialogEx(parent)
    , m_textLabel(new QLabel(this))
    , m_okButton(new CButtonPNG(tr("确定"), this))
    , m_cancelButton(new CButtonPNG(tr("取消"), this))
{
    setObjectName(QStringLiteral("messageBox"));
    setModal(true);
    setFixedSize(fromDialogUnits(175, 91));
    setBackground(QString::fromLatin1(skin::names::FaceDialog));
    closeButton();

    // The title picture: the program's mark in the title band.
    auto* mark = new CButtonPNG(this);
    mark->setObjectName(QStringLiteral("titlePicture"));
    mark->setImage(QString::fromLatin1(skin::names::Logo));
    mark->setPictureOnly(true);
    mark->setStringAlignment(0);
    mark->setEnabled(false);
    const int band = titleBandHeight();
    mark->setGeometry(12, (band - 24) / 2, 104, 24);

    m_textLabel->setObjectName(QStringLiteral("messageText"));
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setWordWrap(true);
    m_textLabel->setFont(skin::Fonts::ui(13));
    m_textLabel->setGeometry(10, band + 6, width() - 20, kButtonTop - band - 12);
    QPalette text = m_textLabel->palette();
    text.setColor(QPalette::WindowText, skin::palette::Text);
    m_textLabel->setPalette(text);

    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setImage(QString::fromLatin1(skin::names::ButtonPrimary));
    m_okButton->setTextColors(skin::palette::TextOnBrand, skin::palette::TextOnBrand);
    m_okButton->setFont(skin::Fonts::ui(13));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setImage(QString::fromLatin1(skin::names::ButtonSecondary));
    m_cancelButton->setTextColors(skin::palette::Text, skin::palette::BrandDeep);
    m_cancelButton->setFont(skin::Fonts::ui(13));
    connect(m_okButton, &CButtonPNG::clicked, this, &MessageBoxDialog::accept);
    connect(m_cancelButton, &CButtonPNG::clicked, this, &MessageBoxDialog::reject);
    placeButtons();
}

MessageBoxDialog::~MessageBoxDialog() = default;

void MessageBoxDialog::set(const QString& text, const QString& title, bool withCancel)
{
    m_text = text;
    m_title = title;
    m_withCancel = withCancel;
    m_textLabel->setText(text);
    setWindowTitle(title);
    placeButtons();
}

void MessageBoxDialog::placeButtons()
{
    m_cancelButton->setGeometry(kCancelLeft, kButtonTop, kButtonWidth, kButtonHeight);
    m_cancelButton->setVisible(m_withCancel);
    const int okLeft = m_withCancel ? kOkLeft : kOkLeft + kLoneOkShift;
    m_okButton->setGeometry(okLeft, kButtonTop, kButtonWidth, kButtonHeight);
}

int MessageBoxDialog::exec()
{
    if (!queuedAnswers().isEmpty()) {
        const int answer = queuedAnswers().takeFirst();
        seamTexts().append(m_text);
        setResult(answer);
        return answer;
    }
    return CDialogEx::exec();
}

void MessageBoxDialog::reject()
{
    done(Cancel);
}

void MessageBoxDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    CDialogEx::keyPressEvent(event);
}

int MessageBoxDialog::run(QWidget* parent, const QString& text, const QString& title, bool withCancel)
{
    MessageBoxDialog box(parent);
    box.set(text, title, withCancel);
    return box.exec();
}

void MessageBoxDialog::setNextAnswer(int answer)
{
    queuedAnswers().append(answer);
}

void MessageBoxDialog::clearNextAnswers()
{
    queuedAnswers().clear();
}

int MessageBoxDialog::pendingAnswers()
{
    return static_cast<int>(queuedAnswers().size());
}

QStringList MessageBoxDialog::answeredTexts()
{
    return seamTexts();
}

void MessageBoxDialog::clearAnsweredTexts()
{
    seamTexts().clear();
}
