#include "finestra_principale.h"

#include <QIcon>
#include <QMenuBar>

#include "main_window/menu.h"
#include "testo_qt.h"
#include "vista_report.h"

FinestraPrincipale::FinestraPrincipale() : vista_(new VistaReport(form_, this)) {
    setWindowTitle(InQString(Varnelo::Didascalia));
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnelo-32.png")));
    setCentralWidget(vista_);
    CreaMenu();
    resize(sizeHint());
}

// QWidget's destructor would delete the view only after form_ is gone, and hiding
// it on the way can still make it paint or be read.
FinestraPrincipale::~FinestraPrincipale() { delete takeCentralWidget(); }

void FinestraPrincipale::CreaMenu() {
    QMenu* Esempi = menuBar()->addMenu(InQString(Varnelo::DidascaliaMenuVarnelo));
    for (const auto& Voce : Varnelo::VociEsempi) {
        Esempi->addAction(InQString(Voce.Didascalia), this, [this, Index = Voce.Index] {
            Esegui(Index);
        });
    }
    menuBar()->addAction(InQString(Varnelo::DidascaliaEsci), this, &FinestraPrincipale::Esci);
}

void FinestraPrincipale::Esegui(std::int16_t Index) {
    form_.mnu_Click(Index);
    vista_->Aggiorna();
}

void FinestraPrincipale::Esci() {
    form_.mnu_esci_Click();
    if (!form_.Caricato()) {
        close();
    }
}
