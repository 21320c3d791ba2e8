#include "vista_report.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "accessibile_report.h"
#include "carattere_report.h"
#include "main_window/form1.h"
#include "main_window/menu.h"
#include "testo_qt.h"

VistaReport::VistaReport(const Form1& Form, QWidget* parent) : QWidget(parent), form_(Form) {
    InstallaAccessibilitaReport();
    setFont(CarattereReport({Varnelo::LarghezzaClient, Varnelo::AltezzaClient}));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
}

QSize VistaReport::sizeHint() const { return {Varnelo::LarghezzaClient, Varnelo::AltezzaClient}; }

void VistaReport::Aggiorna() {
    const QString Precedente = testoMostrato_;
    testoMostrato_ = Testo();
    update();
    QAccessibleTextUpdateEvent Evento(this, 0, Precedente, testoMostrato_);
    QAccessible::updateAccessibility(&Evento);
}

QString VistaReport::Testo() const {
    QStringList Righe;
    for (const auto& Riga : form_.Righe()) {
        Righe << InQString(Riga);
    }
    return Righe.join(QLatin1Char('\n'));
}

std::vector<int> VistaReport::InizioRighe() const {
    std::vector<int> Inizi{0};
    for (const auto& Riga : form_.Righe()) {
        Inizi.push_back(Inizi.back() + static_cast<int>(Riga.size()) + 1);
    }
    return Inizi;
}

QRect VistaReport::RettangoloCarattere(int Posizione) const {
    const std::vector<int> Inizi = InizioRighe();
    // The last line has no newline after it.
    if (Posizione < 0 || Posizione >= Inizi.back() - 1) {
        return {};
    }
    const auto Riga =
        static_cast<std::size_t>(std::ranges::upper_bound(Inizi, Posizione) - Inizi.begin() - 1);
    const QString Testo = InQString(form_.Righe()[Riga]);
    const int Colonna = Posizione - Inizi[Riga];
    const QChar Carattere = Colonna < Testo.size() ? Testo.at(Colonna) : QLatin1Char('\n');
    const QFontMetrics Misure(font());
    return {Margine + Misure.horizontalAdvance(Testo.left(Colonna)),
            Margine + static_cast<int>(Riga) * Misure.lineSpacing(),
            Misure.horizontalAdvance(Carattere), Misure.height()};
}

int VistaReport::PosizioneInPunto(QPoint Punto) const {
    const QFontMetrics Misure(font());
    const int Riga = (Punto.y() - Margine) / Misure.lineSpacing();
    const auto& Righe = form_.Righe();
    if (Punto.y() < Margine || Riga >= static_cast<int>(Righe.size()) || Punto.x() < Margine) {
        return -1;
    }
    const QString Testo = InQString(Righe[static_cast<std::size_t>(Riga)]);
    for (int c = 0; c < Testo.size(); ++c) {
        if (Misure.horizontalAdvance(Testo.left(c + 1)) > Punto.x() - Margine) {
            return InizioRighe()[static_cast<std::size_t>(Riga)] + c;
        }
    }
    return -1;
}

void VistaReport::paintEvent(QPaintEvent*) {
    QPainter Pittore(this);
    const QFontMetrics Misure(font());
    int Linea = Margine + Misure.ascent();
    for (const auto& Riga : form_.Righe()) {
        Pittore.drawText(Margine, Linea, InQString(Riga));
        Linea += Misure.lineSpacing();
    }
}
