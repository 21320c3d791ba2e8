// Every report value can be seen whole at the designed client size, measured
// with the real font.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "carattere_report.h"
#include "righe_attese.h"
#include "testo_qt.h"

TEST(CarattereReport, ColumnsAndEightLinesFitTheDesignedClientArea) {
    const QSize Client(384, 188);
    const QFont Carattere = CarattereReport(Client);
    const QFontMetrics Misure(Carattere);
    EXPECT_TRUE(QFontInfo(Carattere).fixedPitch()) << QFontInfo(Carattere).family().toStdString();

    // The longest label with the widest values any report prints there.
    for (const std::u16string_view Valore :
         {u"Intel Pentium", u"-2147483648 ", u" 2147483647 ", u"ext4"}) {
        const QString Riga =
            InQString(AColonna50(u"numero di processori configurati nel sistema ", Valore));
        EXPECT_LE(Margine + Misure.horizontalAdvance(Riga), Client.width()) << Riga.toStdString();
    }
    EXPECT_LE(2 * Margine + 8 * Misure.lineSpacing(), Client.height());
    EXPECT_GE(Carattere.pixelSize(), 9);  // still readable
}

TEST(CarattereReport, LargerClientAreaGetsNoSmallerFont) {
    EXPECT_GE(CarattereReport({768, 376}).pixelSize(), CarattereReport({384, 188}).pixelSize());
}
