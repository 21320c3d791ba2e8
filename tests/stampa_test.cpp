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

TEST(Stampa, LabelledValueStartsAtColumn50OfItsOwnLine) {
    struct Caso {
        std::u16string Etichetta;
        std::u16string Valore;
        Righe Attese;
    };
    const Caso Casi[] = {
        {u"Nr Seriale", u" 42 ", {u"Nr Seriale" + std::u16string(39, u' ') + u" 42 "}},
        // Up to the start of column 50: same line; past it: column 50 of the next.
        {std::u16string(49, u'x'), u"A", {std::u16string(49, u'x') + u"A"}},
        {std::u16string(50, u'y'),
         u"B",
         {std::u16string(50, u'y'), std::u16string(49, u' ') + u"B"}},
        {u"nome Volume", u"", {u"nome Volume" + std::u16string(38, u' ')}},  // ends at the tab
    };
    for (const Caso& c : Casi) {
        SCOPED_TRACE(c.Etichetta.size());
        Form1 f;
        f.StampaTestoEtichettato(c.Etichetta, c.Valore);
        EXPECT_EQ(f.Righe(), c.Attese);
    }
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

TEST(RigaAttiva, KeysMoveALineOrToAnEndAndStopAtTheEdges) {
    using Varnelo::EsitoTasto;
    using Varnelo::Tasto;
    constexpr Varnelo::Modificatori Solo{}, Ctrl{.Ctrl = true}, Maiuscole{.Maiuscole = true},
        Alt{.Alt = true}, CtrlMaiuscole{.Ctrl = true, .Maiuscole = true};
    constexpr auto No = EsitoTasto::NonDiRiga, Fermo = EsitoTasto::Fermo,
                   Spostato = EsitoTasto::Spostato;
    struct Caso {
        std::size_t Righe;  // printed lines
        std::size_t Da;     // reached with Down from the first line
        Tasto T;
        Varnelo::Modificatori Con;
        EsitoTasto Esito;  // the shell passes on what is no line key, and tells only a move
        std::size_t A;
    };
    const Caso Casi[] = {
        {8, 0, Tasto::Giu, Solo, Spostato, 1},  {8, 3, Tasto::Giu, Solo, Spostato, 4},
        {8, 7, Tasto::Giu, Solo, Fermo, 7},     {8, 3, Tasto::Su, Solo, Spostato, 2},
        {8, 0, Tasto::Su, Solo, Fermo, 0},      {8, 3, Tasto::End, Ctrl, Spostato, 7},
        {8, 7, Tasto::Home, Ctrl, Spostato, 0}, {8, 3, Tasto::Home, Solo, No, 3},
        {8, 3, Tasto::End, Solo, No, 3},        {8, 3, Tasto::Giu, Ctrl, No, 3},
        {8, 3, Tasto::Su, Ctrl, No, 3},         {8, 3, Tasto::Giu, Maiuscole, No, 3},
        {8, 3, Tasto::Su, Alt, No, 3},          {8, 3, Tasto::End, CtrlMaiuscole, No, 3},
        {1, 0, Tasto::Giu, Solo, Fermo, 0},     {1, 0, Tasto::End, Ctrl, Fermo, 0},
        {0, 0, Tasto::Giu, Solo, Fermo, 0},     {0, 0, Tasto::Su, Solo, Fermo, 0},
        {0, 0, Tasto::End, Ctrl, Fermo, 0},
    };
    for (const Caso& c : Casi) {
        SCOPED_TRACE(testing::Message()
                     << c.Righe << " lines, from " << c.Da << ", key " << static_cast<int>(c.T)
                     << (c.Con.Ctrl ? " +Ctrl" : "") << (c.Con.Maiuscole ? " +Shift" : "")
                     << (c.Con.Alt ? " +Alt" : ""));
        Form1 f;
        for (std::size_t i = 0; i < c.Righe; ++i) {
            f.StampaTesto(u"riga");
        }
        for (std::size_t i = 0; i < c.Da; ++i) {
            f.SpostaRiga(Tasto::Giu, Solo);
        }
        ASSERT_EQ(f.RigaAttiva(), c.Da);
        EXPECT_EQ(f.SpostaRiga(c.T, c.Con), c.Esito);
        EXPECT_EQ(f.RigaAttiva(), c.A);
        f.Cls();
        EXPECT_EQ(f.RigaAttiva(), 0u) << "every clear, so every choice, starts at the first line";
    }
}

// An empty line is one cell wide: its focus indicator and location give a
// magnifier something to follow.
TEST(RigaAttiva, AnEmptyLineTakesOneCellOnTheScreen) {
    EXPECT_EQ(Varnelo::CelleDellaRiga(0), 1u);
    EXPECT_EQ(Varnelo::CelleDellaRiga(1), 1u);
    EXPECT_EQ(Varnelo::CelleDellaRiga(62), 62u);
}
