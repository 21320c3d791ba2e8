#include "carattere_report.h"

#include <QFontDatabase>
#include <QFontMetrics>

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
        if (Varnelo::CarattereAdatto(Misure.averageCharWidth(), Misure.lineSpacing(),
                                     AreaClient.width() - 2 * Margine,
                                     AreaClient.height() - 2 * Margine)) {
            break;
        }
    }
    return Carattere;
}
