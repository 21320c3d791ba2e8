#include "vista_report.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <optional>

#include "accessibile_report.h"
#include "carattere_report.h"
#include "main_window/form1.h"
#include "main_window/menu.h"
#include "testo_qt.h"

namespace {

// Qt's keys that the core's table may take as line moves.
std::optional<Varnelo::Tasto> TastoDiRiga(int Chiave) {
    switch (Chiave) {
    case Qt::Key_Up:
        return Varnelo::Tasto::Su;
    case Qt::Key_Down:
        return Varnelo::Tasto::Giu;
    case Qt::Key_Home:
        return Varnelo::Tasto::Home;
    case Qt::Key_End:
        return Varnelo::Tasto::End;
    default:
        return std::nullopt;
    }
}

}  // namespace

VistaReport::VistaReport(Form1& Form, QWidget* parent) : QWidget(parent), form_(Form) {
    InstallaAccessibilitaReport();
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    // The only thing in the window that keys can work: it takes focus.
    setFocusPolicy(Qt::StrongFocus);
}

QSize VistaReport::sizeHint() const { return {Varnelo::LarghezzaClient, Varnelo::AltezzaClient}; }

void VistaReport::Aggiorna() {
    // Fitted when the first report comes: until then there is no text to
    // measure or draw, and the window shows without waiting for fonts.
    if (!carattereScelto_) {
        setFont(CarattereReport({Varnelo::LarghezzaClient, Varnelo::AltezzaClient}));
        carattereScelto_ = true;
    }
    const QString Precedente = testoMostrato_;
    testoMostrato_ = Testo();
    update();
    QAccessibleTextUpdateEvent Evento(this, 0, Precedente, testoMostrato_);
    QAccessible::updateAccessibility(&Evento);
    // A new report is read from its first line, where Form1 has put the
    // current line: focus comes here, and a reader is told where the caret is.
    if (hasFocus()) {
        // Focus never left, but the reader was in the menu: it hears focus return.
        QAccessibleEvent Fuoco(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&Fuoco);
    } else {
        setFocus(Qt::OtherFocusReason);  // Qt tells assistive technology itself
    }
    AnnunciaCursore();
}

void VistaReport::AnnunciaCursore() {
    QAccessibleTextCursorEvent Evento(this, PosizioneCursore());
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

int VistaReport::PosizioneCursore() const {
    const std::vector<int> Inizi = InizioRighe();
    return form_.RigaAttiva() < form_.Righe().size() ? Inizi[form_.RigaAttiva()] : 0;
}

QRect VistaReport::RettangoloRiga(std::size_t Riga) const {
    const auto& Righe = form_.Righe();
    if (Riga >= Righe.size()) {
        return {};
    }
    // The box the line's text is drawn in, as many cells wide as the line takes.
    const QFontMetrics Misure(font());
    const QString Testo = InQString(Righe[Riga]);
    const int Larghezza = Misure.horizontalAdvance(
        Testo.leftJustified(static_cast<qsizetype>(Varnelo::CelleDellaRiga(Righe[Riga].size()))));
    return {Margine, Margine + static_cast<int>(Riga) * Misure.lineSpacing(), Larghezza,
            Misure.height()};
}

bool VistaReport::RigaAttivaFuoriVista() const {
    const QRect Attiva = RettangoloRiga(form_.RigaAttiva());
    return !Attiva.isNull() && !rect().intersects(Attiva);
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
    const QRect Linea = RettangoloRiga(Riga);
    return {Linea.left() + Misure.horizontalAdvance(Testo.left(Colonna)), Linea.top(),
            Misure.horizontalAdvance(Carattere), Linea.height()};
}

int VistaReport::PosizioneInPunto(QPoint Punto) const {
    if (Punto.y() < Margine) {
        return -1;
    }
    const QFontMetrics Misure(font());
    const auto Riga = static_cast<std::size_t>((Punto.y() - Margine) / Misure.lineSpacing());
    const QRect Linea = RettangoloRiga(Riga);
    if (Linea.isNull() || Punto.y() > Linea.bottom() || Punto.x() < Linea.left()) {
        return -1;
    }
    const QString Testo = InQString(form_.Righe()[Riga]);
    for (int c = 0; c < Testo.size(); ++c) {
        if (Misure.horizontalAdvance(Testo.left(c + 1)) > Punto.x() - Linea.left()) {
            return InizioRighe()[Riga] + c;
        }
    }
    return -1;
}

void VistaReport::paintEvent(QPaintEvent*) {
    QPainter Pittore(this);
    const QFontMetrics Misure(font());
    const auto& Righe = form_.Righe();
    for (std::size_t Riga = 0; Riga < Righe.size(); ++Riga) {
        const QRect Linea = RettangoloRiga(Riga);
        Pittore.drawText(Linea.left(), Linea.top() + Misure.ascent(), InQString(Righe[Riga]));
    }
    const QRect Attiva = RettangoloRiga(form_.RigaAttiva());
    if (rigaMostrata_ && hasFocus() && !Attiva.isNull() && !RigaAttivaFuoriVista()) {
        QStyleOptionFocusRect Cornice;
        Cornice.initFrom(this);
        // Shown because keys moved the line: the frame of keyboard use, which
        // styles such as Fusion draw only then.
        Cornice.state |= QStyle::State_KeyboardFocusChange;
        Cornice.rect = Attiva;
        Cornice.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &Cornice, &Pittore, this);
    }
}

void VistaReport::keyPressEvent(QKeyEvent* event) {
    // The keypad's arrows count too: its modifier says only where the key is.
    const Qt::KeyboardModifiers Tenuti = event->modifiers();
    const Varnelo::Modificatori Con{.Ctrl = Tenuti.testFlag(Qt::ControlModifier),
                                    .Maiuscole = Tenuti.testFlag(Qt::ShiftModifier),
                                    .Alt = Tenuti.testFlag(Qt::AltModifier),
                                    .Logo = Tenuti.testFlag(Qt::MetaModifier)};
    const auto Tasto = TastoDiRiga(event->key());
    const auto Esito = Tasto ? form_.SpostaRiga(*Tasto, Con) : Varnelo::EsitoTasto::NonDiRiga;
    if (Esito == Varnelo::EsitoTasto::NonDiRiga) {
        QWidget::keyPressEvent(event);  // the menu's and the window's keys go on
        return;
    }
    event->accept();
    if (!rigaMostrata_) {
        rigaMostrata_ = true;
        update();
    }
    if (Esito == Varnelo::EsitoTasto::Spostato) {
        update();
        AnnunciaCursore();
    }
}
