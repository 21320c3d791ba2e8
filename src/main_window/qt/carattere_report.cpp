#include "carattere_report.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace {
constexpr int PixelMassimi = 16;
constexpr int PixelMinimi = 6;
}  // namespace

QFont CarattereReport(QSize AreaClient) {
    QFont Carattere = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Carattere.setStyleHint(QFont::Monospace);
    for (int Pixel = PixelMassimi; Pixel > PixelMinimi; --Pixel) {
        Carattere.setPixelSize(Pixel);
        const QFontMetrics Misure(Carattere);
        if (Misure.horizontalAdvance(QLatin1Char('0')) * ColonneVisibili <=
                AreaClient.width() - 2 * Margine &&
            Misure.lineSpacing() * RigheVisibili <= AreaClient.height() - 2 * Margine) {
            return Carattere;
        }
    }
    Carattere.setPixelSize(PixelMinimi);
    return Carattere;
}
