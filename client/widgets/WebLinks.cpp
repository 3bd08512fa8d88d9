#include "widgets/WebLinks.h"

#include "cvsrv/ServiceConfig.h"

#include <QDesktopServices>

namespace {

WebLinks::Opener& opener()
{
    static WebLinks::Opener function;
    return function;
}

} // namespace

QUrl WebLinks::address(const QString& path)
{
    const cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QString::fromStdString(config.webHost));
    url.setPort(config.webPort);
    url.setPath(path);
    return url;
}

bool WebLinks::open(const QString& path)
{
    const QUrl url = address(path);
    return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

void WebLinks::setOpener(Opener opener_)
{
    opener() = std::move(opener_);
}
