#pragma once

#include <QColor>
#include <QLabel>
#include <QUrl>

#include <functional>

// A hyperlink static: its text, in link colours, opens its address in the user's
// browser when clicked (press and release on the text). The pointer becomes a hand
// over a static that has an address.
//
// setTextStyle(colour, underlineOnHover, underlineAlways, weight) is SetTextStyle,
// setUrl is SetUrl, setBackgroundColor is SetBgColor (an invalid colour keeps the
// static transparent). Addresses open through QDesktopServices; tests replace that
// with setUrlOpener().
class CStaticEx : public QLabel {
    Q_OBJECT

public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit CStaticEx(QWidget* parent = nullptr);
    explicit CStaticEx(const QString& text, QWidget* parent = nullptr);

    void setTextStyle(const QColor& colour, bool underlineOnHover, bool underlineAlways, int weight);
    void setUrl(const QUrl& url);
    QUrl url() const { return m_url; }
    void setBackgroundColor(const QColor& colour);

    // Replaces the desktop's opener for every link (null restores it).
    static void setUrlOpener(UrlOpener opener);

signals:
    void clicked();
    // The link asked the desktop to open url; ok is false when no program took it.
    void urlOpened(const QUrl& url, bool ok);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyStyle();

    QUrl m_url;
    QColor m_colour;
    QColor m_background;
    bool m_underlineOnHover = true;
    bool m_underlineAlways = false;
    int m_weight = 400;
    bool m_hovered = false;
    bool m_pressed = false;
};
