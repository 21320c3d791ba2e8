#include <QApplication>
#include <QTranslator>

#include "finestra_principale.h"
#include "traduzioni_qt.h"

int main(int argc, char* argv[]) {
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
