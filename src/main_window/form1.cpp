#include "form1.h"

#include <array>

#include "menu.h"

void Form1::mnu_Click(std::int16_t Index) {
    Cls();
    // The report of each example, in the menu's order.
    constexpr std::array Report{&Form1::MostraDirectoryWindows, &Form1::MostraDirectoryWindowsBreve,
                                &Form1::MostraInfoSistema, &Form1::MostraInfoVolume};
    static_assert(Report.size() == Varnelo::VociEsempi.size());
    for (std::size_t i = 0; i < Report.size(); ++i) {
        if (Varnelo::VociEsempi[i].Index == Index) {
            (this->*Report[i])();
        }
    }
}

void Form1::mnu_esci_Click() { caricato_ = false; }
