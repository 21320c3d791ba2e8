#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "finestra_principale.h"

namespace {

// Qt aborts when it finds no display; say so plainly instead.
bool DisplayDisponibile() {
    const char* Piattaforma = std::getenv("QT_QPA_PLATFORM");
    return (Piattaforma != nullptr && *Piattaforma != '\0') || std::getenv("DISPLAY") != nullptr ||
           std::getenv("WAYLAND_DISPLAY") != nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!DisplayDisponibile()) {
        (void)std::fputs("Varnelo: nessuno schermo grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication Applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("it.varnelo.Varnelo"));

    QTranslator TraduzioniQt;
    if (TraduzioniQt.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&TraduzioniQt);
    }

    FinestraPrincipale Finestra;
    Finestra.show();
    return QApplication::exec();
}
