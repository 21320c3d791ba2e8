#include "carattere_report.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>

#include "main_window/carattere_adatto.h"

QFont CarattereReport(QSize AreaClient) {
    QFont Carattere = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Carattere.setStyleHint(QFont::Monospace);
    // From large to small: the first font that fits is kept; if none does,
    // the smallest tried is.
    for (int Pixel = Varnelo::AltezzaCarattereMassima; Pixel >= Varnelo::AltezzaCarattereMinima;
         --Pixel) {
        Carattere.setPixelSize(Pixel);
        const QFontMetrics Misure(Carattere);
        // A fixed-width character's advance, a fraction: the rounded average
        // width adds up to less than a line takes.
        if (Varnelo::CarattereAdatto(QFontMetricsF(Carattere).horizontalAdvance(QLatin1Char('0')),
                                     Misure.lineSpacing(),
                                     AreaClient.width() - 2 * Margine,
                                     AreaClient.height() - 2 * Margine)) {
            break;
        }
    }
    return Carattere;
}
