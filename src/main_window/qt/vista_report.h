// The client area: paints the lines that Form1 has printed, in fixed-width
// columns, whenever the window needs it, and is where keyboard focus reads
// them, a line at a time.
#pragma once

#include <QWidget>
#include <cstddef>
#include <vector>

class Form1;

class VistaReport : public QWidget {
    Q_OBJECT

public:
    explicit VistaReport(Form1& Form, QWidget* parent = nullptr);

    // Call after Form1 has printed or cleared: repaints, takes keyboard focus
    // at the report's first line and tells assistive technology.
    void Aggiorna();

    // The printed lines as one text, a line each, as assistive technology reads them.
    QString Testo() const;

    // Where line Riga (from 0) is painted: the one rectangle that painting, the
    // focus frame, the characters' locations and hit testing all use. Null
    // past the last line.
    QRect RettangoloRiga(std::size_t Riga) const;

    // True when no part of the current line is within the view (made smaller
    // than the report): then no focus frame is drawn, and the text says that
    // where it is read, at the caret, is off-screen.
    bool RigaAttivaFuoriVista() const;

    // Where a character of the text lies, and which character lies at a point.
    QRect RettangoloCarattere(int Posizione) const;
    int PosizioneInPunto(QPoint Punto) const;

    // Where the caret is: the offset in Testo() where Form1's current line starts.
    int PosizioneCursore() const;

    // The offset in Testo() where each line starts, then one past the last
    // line's end: the one mapping between offsets and lines.
    std::vector<int> InizioRighe() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AnnunciaCursore();

    Form1& form_;
    QString testoMostrato_;
    // The current line's focus frame, from the first line key on: until then
    // the window looks as it always has. Shown while the view has focus (QWidget
    // repaints on every change of focus).
    bool rigaMostrata_ = false;
    // The report's font is set: from the first report on.
    bool carattereScelto_ = false;
};
