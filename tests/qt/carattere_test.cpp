// Every report value can be seen whole, inside both margins, at the designed
// client size and any larger one, measured with the real font.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <vector>

#include "carattere_report.h"
#include "righe_attese.h"
#include "testo_qt.h"

TEST(CarattereReport, ColumnsAndEightLinesFitInsideBothMarginsFromTheDesignedSizeUp) {
    const QSize Client(384, 188);
    const QFont Carattere = CarattereReport(Client);
    EXPECT_TRUE(QFontInfo(Carattere).fixedPitch()) << QFontInfo(Carattere).family().toStdString();
    EXPECT_GE(Carattere.pixelSize(), 9);  // still readable

    // The longest label with the widest values any report prints there. Each
    // pixel of width and of height up to twice the designed size: the step
    // where a larger font first fits is among them.
    std::vector<QString> RigheLunghe;
    for (const std::u16string_view Valore :
         {u"Intel Pentium", u"-2147483648 ", u" 2147483647 ", u"ext4"}) {
        RigheLunghe.push_back(
            InQString(AColonna50(u"numero di processori configurati nel sistema ", Valore)));
    }
    std::vector<QSize> Aree;
    for (int Larghezza = Client.width(); Larghezza <= 2 * Client.width(); ++Larghezza) {
        Aree.emplace_back(Larghezza, 2 * Client.height());
    }
    for (int Altezza = Client.height(); Altezza <= 2 * Client.height(); ++Altezza) {
        Aree.emplace_back(2 * Client.width(), Altezza);
    }
    for (const QSize Area : Aree) {
        const QFontMetrics Misure(CarattereReport(Area));
        for (const QString& Riga : RigheLunghe) {
            ASSERT_LE(2 * Margine + Misure.horizontalAdvance(Riga), Area.width())
                << Riga.toStdString() << " in " << Area.width() << " x " << Area.height();
        }
        ASSERT_LE(2 * Margine + 8 * Misure.lineSpacing(), Area.height())
            << Area.width() << " x " << Area.height();
    }
}

TEST(CarattereReport, LargerClientAreaGetsNoSmallerFont) {
    EXPECT_GE(CarattereReport({768, 376}).pixelSize(), CarattereReport({384, 188}).pixelSize());
}
