#include "accessibile_report.h"

#include <mutex>

#include "vista_report.h"

AccessibileReport::AccessibileReport(VistaReport* Vista)
    : QAccessibleWidget(Vista, QAccessible::EditableText) {}

VistaReport* AccessibileReport::vista() const { return static_cast<VistaReport*>(widget()); }

QAccessible::State AccessibileReport::state() const {
    QAccessible::State Stato = QAccessibleWidget::state();  // focusable, focused
    Stato.readOnly = true;
    Stato.multiLine = true;
    // Where focus reads, at the caret's line, is out of sight: a magnifier
    // should not follow it outside the window.
    Stato.offscreen = Stato.offscreen || vista()->RigaAttivaFuoriVista();
    return Stato;
}

// The report is the text's value, as in any text; its name stays empty, since a
// reader speaks the name of what takes focus before the line at the caret.
QString AccessibileReport::text(QAccessible::Text t) const {
    return t == QAccessible::Value ? vista()->Testo() : QAccessibleWidget::text(t);
}

void* AccessibileReport::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

// The report is read, not edited: no selection, and the caret is where the
// keys put the current line, at its start.
void AccessibileReport::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}
int AccessibileReport::selectionCount() const { return 0; }
void AccessibileReport::addSelection(int, int) {}
void AccessibileReport::removeSelection(int) {}
void AccessibileReport::setSelection(int, int, int) {}
int AccessibileReport::cursorPosition() const { return vista()->PosizioneCursore(); }
void AccessibileReport::setCursorPosition(int) {}
void AccessibileReport::scrollToSubstring(int, int) {}

QString AccessibileReport::text(int startOffset, int endOffset) const {
    return vista()->Testo().mid(startOffset, endOffset - startOffset);
}

int AccessibileReport::characterCount() const {
    return static_cast<int>(vista()->Testo().size());
}

QRect AccessibileReport::characterRect(int offset) const {
    const QRect Locale = vista()->RettangoloCarattere(offset);
    return Locale.isNull() ? Locale : Locale.translated(vista()->mapToGlobal(QPoint(0, 0)));
}

int AccessibileReport::offsetAtPoint(const QPoint& point) const {
    return vista()->PosizioneInPunto(vista()->mapFromGlobal(point));
}

// One run without attributes, the whole text: a reader that joins the runs of a
// line (Orca does) would otherwise leave out the line's last character.
QString AccessibileReport::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void InstallaAccessibilitaReport() {
    static std::once_flag Installata;
    std::call_once(Installata, [] {
        QAccessible::installFactory([](const QString&, QObject* Oggetto) -> QAccessibleInterface* {
            if (auto* Vista = qobject_cast<VistaReport*>(Oggetto)) {
                return new AccessibileReport(Vista);
            }
            return nullptr;
        });
    });
}
