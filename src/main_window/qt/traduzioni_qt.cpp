#include "traduzioni_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallaTraduzioniQt(QTranslator& Traduzioni) {
    return Traduzioni.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                           QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&Traduzioni);
}
