// The font rule both shells share: a cell fits when the report's columns and
// lines fill the area at most, exactly included, so that the largest such
// font is the one chosen.
#include <gtest/gtest.h>

#include "main_window/carattere_adatto.h"

TEST(CarattereAdatto, CellFitsWhenColumnsAndLinesFillTheAreaAtMost) {
    using Varnelo::ColonneVisibili;
    using Varnelo::RigheVisibili;
    constexpr int Colonna = 7;
    constexpr int Riga = 13;
    constexpr int Larghezza = ColonneVisibili * Colonna;
    constexpr int Altezza = RigheVisibili * Riga;
    struct Caso {
        const char* Nome;
        int Colonna, Riga, Larghezza, Altezza;
        bool Adatto;
    };
    const Caso Casi[] = {
        {"exactly", Colonna, Riga, Larghezza, Altezza, true},
        {"with room", Colonna, Riga, Larghezza + 1, Altezza + 1, true},
        {"one pixel too narrow", Colonna, Riga, Larghezza - 1, Altezza, false},
        {"one pixel too low", Colonna, Riga, Larghezza, Altezza - 1, false},
        {"unmeasured width", 0, Riga, Larghezza, Altezza, false},
        {"unmeasured height", Colonna, 0, Larghezza, Altezza, false},
    };
    for (const Caso& c : Casi) {
        EXPECT_EQ(Varnelo::CarattereAdatto(c.Colonna, c.Riga, c.Larghezza, c.Altezza), c.Adatto)
            << c.Nome;
    }
}
