// The client area: paints the lines that Form1 has printed, in fixed-width
// columns, whenever the window needs it.
#pragma once

#include <QWidget>
#include <vector>

class Form1;

class VistaReport : public QWidget {
    Q_OBJECT

public:
    explicit VistaReport(const Form1& Form, QWidget* parent = nullptr);

    // Call after Form1 has printed or cleared: repaints and tells assistive technology.
    void Aggiorna();

    // The printed lines as one text, a line each, as assistive technology reads them.
    QString Testo() const;

    // Where a character of the text lies, and which character lies at a point.
    QRect RettangoloCarattere(int Posizione) const;
    int PosizioneInPunto(QPoint Punto) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The offset in Testo() where each line starts, then one past the last
    // line's end: the one mapping between offsets and lines.
    std::vector<int> InizioRighe() const;

    const Form1& form_;
    QString testoMostrato_;
};
