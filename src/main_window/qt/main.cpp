#include <QApplication>
#include <QTranslator>

#include "finestra_principale.h"
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
    Finestra.show();
    return QApplication::exec();
}
