// The font rule both shells share: a cell fits when the report's columns and
// lines fill the area at most, exactly included, so that the largest such
// font is the one chosen.
#include <gtest/gtest.h>

#include "main_window/carattere_adatto.h"

TEST(CarattereAdatto, CellFitsWhenColumnsAndLinesFillTheAreaAtMost) {
    // 62 columns (a value of 13 characters from column 50) and 8 lines of a
    // 7 by 13 pixel cell fill 434 by 104 pixels.
    struct Caso {
        const char* Nome;
        double Colonna;
        int Riga, Larghezza, Altezza;
        bool Adatto;
    };
    const Caso Casi[] = {
        {"exactly", 7, 13, 434, 104, true},
        {"with room", 7, 13, 435, 105, true},
        {"one pixel too narrow", 7, 13, 433, 104, false},
        {"one pixel too low", 7, 13, 434, 103, false},
        {"unmeasured width", 0, 13, 434, 104, false},
        {"unmeasured height", 7, 0, 434, 104, false},
    };
    for (const Caso& c : Casi) {
        EXPECT_EQ(Varnelo::CarattereAdatto(c.Colonna, c.Riga, c.Larghezza, c.Altezza), c.Adatto)
            << c.Nome;
    }
}
