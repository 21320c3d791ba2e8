// Varnelo's window set up as its main() sets it up (names, Qt's Italian
// translations, the window), under the start-up probe; the probe then runs
// all four examples through the menu.
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

#include "finestra_principale.h"
#include "misura_avvio.h"
#include "traduzioni_qt.h"
#include "versione.h"

int main(int argc, char* argv[]) {
    QApplication Applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    QApplication::setApplicationVersion(QStringLiteral(VARNELO_VERSIONE));
    QApplication::setDesktopFileName(QStringLiteral("it.varnelo.Varnelo"));
    QTranslator TraduzioniQt;
    InstallaTraduzioniQt(TraduzioniQt);

    FinestraPrincipale Finestra;
    SondaAvvio Sonda(Finestra, [&Finestra] {
        for (QAction* Esempio : Finestra.menuBar()->actions().front()->menu()->actions()) {
            Esempio->trigger();
            QApplication::processEvents();
        }
    });
    Finestra.show();
    return QApplication::exec();
}
