// Twenty thousand choices through the window: memory stays flat and the last
// report is still exactly right.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <fstream>

#include "finestra_principale.h"
#include "menu_varnelo.h"

namespace {

// Resident memory of this process in bytes, from /proc/self/statm.
long MemoriaResidente() {
    std::ifstream Statm("/proc/self/statm");
    long Totale = 0;
    long Residente = 0;
    Statm >> Totale >> Residente;
    return Residente * sysconf(_SC_PAGESIZE);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool SottoAddressSanitizer = true;
#else
constexpr bool SottoAddressSanitizer = false;
#endif

}  // namespace

TEST(Soak, TwentyThousandChoicesKeepMemoryFlatAndLinesRight) {
    FinestraPrincipale f;
    f.show();
    const QList<QAction*> Esempi = MenuVarnelo(f)->actions();
    constexpr int Scelte = 20000;
    long DopoLePrime = 0;
    for (int i = 0; i < Scelte; ++i) {
        Esempi[i % Esempi.size()]->trigger();
        QApplication::processEvents();  // paints, as the window would between clicks
        if (i + 1 == 1000) {
            DopoLePrime = MemoriaResidente();
        }
    }
    const long AllaFine = MemoriaResidente();

    Form1 Riferimento;
    Riferimento.mnu_Click(40);
    EXPECT_EQ(f.Form().Righe(), Riferimento.Righe());

    if (SottoAddressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer's quarantine grows by design; its leak check covers this";
    }
    EXPECT_LT(AllaFine - DopoLePrime, 256 * 1024)
        << "after 1,000 choices " << DopoLePrime << " bytes, after " << Scelte << " " << AllaFine;
}
