#include "skin/CDialogEx.h"

#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include <cmath>

namespace {
constexpr int CornerRadius = 8;
constexpr int TitleButtonSize = 28;
constexpr int TitleButtonMargin = 4;
} // namespace

CDialogEx::CDialogEx(QWidget* parent, Placement placement)
    : QDialog(parent)
    , m_placement(placement)
    , m_background(placement == Placement::Window ? QString::fromLatin1(skin::names::FaceDialog) : QString())
{
    if (placement == Placement::Child)
        setWindowFlags(Qt::Widget);
    else
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground, false);
}

CDialogEx::~CDialogEx() = default;

void CDialogEx::setBackground(const QString& pictureName)
{
    m_background = pictureName;
    update();
}

void CDialogEx::setCaption(const QString& text)
{
    m_caption = text;
    update(QRect(0, 0, width(), titleBandHeight()));
}

int CDialogEx::titleBandHeight() const
{
    return m_placement == Placement::Child ? 0 : skin::Artwork::contentMargins(m_background).top();
}

QRect CDialogEx::contentRect() const
{
    return rect().adjusted(0, titleBandHeight(), 0, 0);
}

CButtonPNG* CDialogEx::closeButton()
{
    if (!m_closeButton) {
        m_closeButton = new CButtonPNG(this);
        m_closeButton->setObjectName(QStringLiteral("closeButton"));
        m_closeButton->setImage(QString::fromLatin1(skin::names::Close));
        m_closeButton->setFocusPolicy(Qt::NoFocus);
        connect(m_closeButton, &CButtonPNG::clicked, this, &CDialogEx::closeButtonClicked);
        placeTitleButtons();
        m_closeButton->show();
    }
    return m_closeButton;
}

CButtonPNG* CDialogEx::minimiseButton()
{
    if (!m_minimiseButton) {
        m_minimiseButton = new CButtonPNG(this);
        m_minimiseButton->setObjectName(QStringLiteral("minimiseButton"));
        m_minimiseButton->setImage(QString::fromLatin1(skin::names::Minimise));
        m_minimiseButton->setFocusPolicy(Qt::NoFocus);
        connect(m_minimiseButton, &CButtonPNG::clicked, this, &CDialogEx::minimiseButtonClicked);
        placeTitleButtons();
        m_minimiseButton->show();
    }
    return m_minimiseButton;
}

QSize CDialogEx::fromDialogUnits(int width, int height)
{
    return { static_cast<int>(std::lround(width * 1.5)), static_cast<int>(std::lround(height * 1.625)) };
}

QRect CDialogEx::fromDialogUnits(int x, int y, int width, int height)
{
    const QSize origin = fromDialogUnits(x, y);
    return { QPoint(origin.width(), origin.height()), fromDialogUnits(width, height) };
}

void CDialogEx::closeButtonClicked()
{
    reject();
}

void CDialogEx::minimiseButtonClicked()
{
    window()->showMinimized();
}

void CDialogEx::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A page without a face of its own sits on the plain face colour.
    if (!skin::Artwork::contains(m_background)) {
        painter.fillRect(rect(), skin::palette::Face);
        return;
    }
    skin::Artwork::paint(painter, m_background, rect());
    if (m_caption.isEmpty() || titleBandHeight() <= 0)
        return;
    const int right = m_minimiseButton ? m_minimiseButton->x() : (m_closeButton ? m_closeButton->x() : width());
    const QRect band(14, 0, right - 20, titleBandHeight());
    painter.setFont(skin::Fonts::ui(14, QFont::Medium));
    painter.setPen(skin::palette::TextOnBrand);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(m_caption, Qt::ElideRight, band.width()));
}

void CDialogEx::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    event->accept();
    emit dragStarted();
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    // Not every window system moves windows for us (the offscreen one and some X11
    // window managers refuse); following the mouse keeps the face draggable there.
    m_following = !(handle && handle->startSystemMove());
    m_grabOffset = event->globalPosition().toPoint() - top->frameGeometry().topLeft();
}

void CDialogEx::mouseMoveEvent(QMouseEvent* event)
{
    if (m_following && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - m_grabOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CDialogEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_following = false;
    QDialog::mouseReleaseEvent(event);
}

void CDialogEx::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape belong to the window a page sits in: a page must not close
    // itself when the user presses Escape in one of its edits.
    if (m_placement == Placement::Child) {
        QWidget::keyPressEvent(event);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDialogEx::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeTitleButtons();
    updateMask();
}

void CDialogEx::placeTitleButtons()
{
    const int band = std::max(titleBandHeight(), TitleButtonSize + 2 * TitleButtonMargin);
    const int top = (std::min(band, 36) - TitleButtonSize) / 2;
    int x = width() - TitleButtonMargin - TitleButtonSize;
    if (m_closeButton) {
        m_closeButton->setGeometry(x, top, TitleButtonSize, TitleButtonSize);
        x -= TitleButtonSize;
    }
    if (m_minimiseButton)
        m_minimiseButton->setGeometry(x, top, TitleButtonSize, TitleButtonSize);
}

void CDialogEx::updateMask()
{
    // Rounded corners without relying on a compositor for translucency.
    if (m_placement == Placement::Child || !isWindow())
        return;
    // Platforms without window shapes (offscreen rendering) only warn about masks.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), CornerRadius, CornerRadius);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}
