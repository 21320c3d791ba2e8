// The baseline: the least Qt 6 window with the same caption, menu and client
// size as Varnelo, and nothing behind its menu.
#include <QMainWindow>
#include <QMenuBar>

#include "main_window/menu.h"
#include "misura_avvio.h"

namespace {
QString Testo(std::u16string_view t) {
    return QStringView(t.data(), static_cast<qsizetype>(t.size())).toString();
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication Applicazione(argc, argv);
    QMainWindow Finestra;
    Finestra.setWindowTitle(Testo(Varnelo::Didascalia));
    QMenu* Esempi = Finestra.menuBar()->addMenu(Testo(Varnelo::DidascaliaMenuVarnelo));
    for (const auto& Voce : Varnelo::VociEsempi) {
        Esempi->addAction(Testo(Voce.Didascalia));
    }
    Finestra.menuBar()->addAction(Testo(Varnelo::DidascaliaEsci));
    auto* Client = new QWidget;
    Client->setFixedSize(Varnelo::LarghezzaClient, Varnelo::AltezzaClient);
    Finestra.setCentralWidget(Client);
    SondaAvvio Sonda(Finestra, [Esempi] {
        for (QAction* Esempio : Esempi->actions()) {
            Esempio->trigger();
            QApplication::processEvents();
        }
    });
    Finestra.show();
    return QApplication::exec();
}
