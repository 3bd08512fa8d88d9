#include "resources/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace corvana {

void installTranslation()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), QStringLiteral("corvana"), QStringLiteral("_"), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace corvana
