#include "vista_report.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

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

QRect VistaReport::RettangoloCarattere(int Posizione) const {
    const QString t = Testo();
    if (Posizione < 0 || Posizione >= t.size()) {
        return {};
    }
    // lastIndexOf(c, -1) would search from the end of the text.
    const qsizetype InizioRiga =
        Posizione == 0 ? 0 : t.lastIndexOf(QLatin1Char('\n'), Posizione - 1) + 1;
    const auto Riga = static_cast<int>(t.left(Posizione).count(QLatin1Char('\n')));
    const QFontMetrics Misure(font());
    const int x = Margine + Misure.horizontalAdvance(t.mid(InizioRiga, Posizione - InizioRiga));
    return {x, Margine + Riga * Misure.lineSpacing(), Misure.horizontalAdvance(t.at(Posizione)),
            Misure.height()};
}

int VistaReport::PosizioneInPunto(QPoint Punto) const {
    const QFontMetrics Misure(font());
    const int Riga = (Punto.y() - Margine) / Misure.lineSpacing();
    const auto& Righe = form_.Righe();
    if (Punto.y() < Margine || Riga >= static_cast<int>(Righe.size()) || Punto.x() < Margine) {
        return -1;
    }
    int Posizione = 0;
    for (int r = 0; r < Riga; ++r) {
        Posizione += static_cast<int>(Righe[static_cast<std::size_t>(r)].size()) + 1;
    }
    const QString Testo = InQString(Righe[static_cast<std::size_t>(Riga)]);
    for (int c = 0; c < Testo.size(); ++c) {
        if (Misure.horizontalAdvance(Testo.left(c + 1)) > Punto.x() - Margine) {
            return Posizione + c;
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
