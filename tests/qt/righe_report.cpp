// Prints, in UTF-8, what the screen-reader test expects to hear: with N (1 to
// 4), the lines that choosing example N makes Form1 print, one a line; with
// "titolo", the window's title.
#include <iostream>
#include <string>
#include <string_view>

#include "main_window/form1.h"
#include "main_window/menu.h"
#include "main_window/qt/testo_qt.h"

int main(int argc, char* argv[]) {
    const std::string_view Richiesta = argc == 2 ? argv[1] : "";
    if (Richiesta == "titolo") {
        std::cout << InQString(Varnelo::Didascalia).toStdString() << '\n';
        return 0;
    }
    const auto Esempio = static_cast<std::size_t>(Richiesta.size() == 1 ? Richiesta[0] - '0' : 0);
    if (Esempio < 1 || Esempio > Varnelo::VociEsempi.size()) {
        std::cerr << "usage: varnelo_righe_report 1|2|3|4|titolo\n";
        return 2;
    }
    Form1 f;
    f.mnu_Click(Varnelo::VociEsempi[Esempio - 1].Index);
    for (const std::u16string& Riga : f.Righe()) {
        std::cout << InQString(Riga).toStdString() << '\n';
    }
    return 0;
}
