#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "finestra_principale.h"
#include "traduzioni_qt.h"

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
    InstallaTraduzioniQt(TraduzioniQt);

    FinestraPrincipale Finestra;
    Finestra.show();
    return QApplication::exec();
}
