#include "form1.h"

void Form1::mnu_Click(std::int16_t Index) {
    Cls();
    switch (Index) {
    case 10:
        MostraDirectoryWindows();
        break;
    case 20:
        MostraDirectoryWindowsBreve();
        break;
    case 30:
        MostraInfoSistema();
        break;
    case 40:
        MostraInfoVolume();
        break;
    default:
        break;
    }
}

void Form1::mnu_esci_Click() { caricato_ = false; }
