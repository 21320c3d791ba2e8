// Varnelo's window built as its main() builds it, under the start-up probe;
// the probe then runs all four examples through the menu.
#include <QMenu>
#include <QMenuBar>

#include "finestra_principale.h"
#include "misura_avvio.h"

int main(int argc, char* argv[]) {
    QApplication Applicazione(argc, argv);
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
