#include <gtest/gtest.h>

#include <climits>

#include "main_window/form1.h"
#include "righe_attese.h"

TEST(FormaNumero, BlankOrMinusThenDigitsThenBlank) {
    EXPECT_EQ(FormaNumero(0), u" 0 ");
    EXPECT_EQ(FormaNumero(-1), u"-1 ");
    EXPECT_EQ(FormaNumero(4096), u" 4096 ");
    EXPECT_EQ(FormaNumero(INT32_MAX), u" 2147483647 ");
    EXPECT_EQ(FormaNumero(INT32_MIN), u"-2147483648 ");
}

TEST(FormaNumero, UnsignedValueWithTopBitSetReadsNegative) {
    EXPECT_EQ(FormaNumero(static_cast<std::int32_t>(0x80000000u)), u"-2147483648 ");
    EXPECT_EQ(FormaNumero(static_cast<std::int32_t>(0xFFFFFFFEu)), u"-2 ");
}

TEST(InTestoDecimale, PlainDigitsWithoutBlanks) {
    EXPECT_EQ(InTestoDecimale(0), u"0");
    EXPECT_EQ(InTestoDecimale(10), u"10");
    EXPECT_EQ(InTestoDecimale(-7), u"-7");
    EXPECT_EQ(InTestoDecimale(INT32_MIN), u"-2147483648");
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
    EXPECT_EQ(f.Righe(), (Righe{FinoAColonna50 + u"A", OltreColonna50, std::u16string(49, u' ') + u"B"}));
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
