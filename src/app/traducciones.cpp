#include "app/traducciones.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalarTraducciones()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (!qt->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    QCoreApplication::installTranslator(qt);
    return true;
}
