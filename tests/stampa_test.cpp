#include <gtest/gtest.h>

#include <climits>

#include "main_window/form1.h"
#include "righe_attese.h"

TEST(FormaNumero, PrintedAndPlainFormsOfANumber) {
    struct Caso {
        std::int32_t Valore;
        std::u16string_view Stampato;  // a blank or a minus sign, the digits, a blank
        std::u16string_view Semplice;  // as a report joins it to a label
    };
    const Caso Casi[] = {
        {0, u" 0 ", u"0"},
        {-1, u"-1 ", u"-1"},
        {10, u" 10 ", u"10"},
        {4096, u" 4096 ", u"4096"},
        {INT32_MAX, u" 2147483647 ", u"2147483647"},
        {INT32_MIN, u"-2147483648 ", u"-2147483648"},
        {static_cast<std::int32_t>(0xFFFFFFFEu), u"-2 ", u"-2"},  // unsigned with the top bit set
    };
    for (const Caso& c : Casi) {
        SCOPED_TRACE(c.Valore);
        EXPECT_EQ(FormaNumero(c.Valore), c.Stampato);
        EXPECT_EQ(InTestoDecimale(c.Valore), c.Semplice);
    }
}

TEST(Stampa, LabelledValueStartsAtColumn50) {
    Form1 f;
    f.StampaNumeroEtichettato(u"Nr Seriale", 42);
    ASSERT_EQ(f.Righe().size(), 1u);
    const std::u16string& Riga = f.Righe()[0];
    EXPECT_EQ(Riga.substr(0, 10), u"Nr Seriale");
    EXPECT_EQ(Riga.substr(10, 39), std::u16string(39, u' '));
    EXPECT_EQ(Riga.substr(49), u" 42 ");
}

TEST(Stampa, TabRuleAtAndPastColumn50) {
    Form1 f;
    const std::u16string FinoAColonna50(49, u'x');
    const std::u16string OltreColonna50(50, u'y');
    f.StampaTestoEtichettato(FinoAColonna50, u"A");  // at the start of column 50: same line
    f.StampaTestoEtichettato(OltreColonna50, u"B");  // past it: column 50 of the next line
    EXPECT_EQ(f.Righe(),
              (Righe{FinoAColonna50 + u"A", OltreColonna50, std::u16string(49, u' ') + u"B"}));
}

TEST(Stampa, EmptyValueEndsRightAfterTheTab) {
    Form1 f;
    f.StampaTestoEtichettato(u"nome Volume", u"");
    EXPECT_EQ(f.Righe(), Righe{AColonna50(u"nome Volume", u"")});
    EXPECT_EQ(f.Righe()[0].size(), 49u);
}

TEST(Stampa, TextLinesAreWrittenUnchangedOneALine) {
    Form1 f;
    f.StampaTesto(u"    quattro blanks");
    f.StampaTesto(u"");
    f.StampaTesto(u"terza");
    EXPECT_EQ(f.Righe(), (Righe{u"    quattro blanks", u"", u"terza"}));
}

TEST(Stampa, ClsErasesEverythingAndRestartsAtTheTop) {
    Form1 f;
    f.StampaTesto(u"prima");
    f.StampaNumeroEtichettato(u"seconda", 2);
    f.Cls();
    EXPECT_TRUE(f.Righe().empty());
    f.StampaTesto(u"dopo");
    EXPECT_EQ(f.Righe(), Righe{u"dopo"});
}
