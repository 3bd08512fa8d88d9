#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The service's web pages (home page, manual, recharge), opened in the user's browser.
class WebLinks {
public:
    using Opener = std::function<bool(const QUrl&)>;

    // The web host (as configured for the service) with path.
    static QUrl address(const QString& path);
    static bool open(const QString& path);

    // Test seam: replaces the desktop's browser (null restores it).
    static void setOpener(Opener opener);
};
