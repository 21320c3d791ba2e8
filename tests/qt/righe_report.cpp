// Prints the lines that choosing example N (1 to 4) makes Form1 print, one a
// line, in UTF-8: what the screen-reader test expects to hear.
#include <QString>
#include <iostream>
#include <string>
#include <string_view>

#include "main_window/form1.h"
#include "main_window/menu.h"

int main(int argc, char* argv[]) {
    const std::string_view Numero = argc == 2 ? argv[1] : "";
    const auto Esempio = static_cast<std::size_t>(Numero.empty() ? 0 : Numero[0] - '0');
    if (Numero.size() != 1 || Esempio < 1 || Esempio > Varnelo::VociEsempi.size()) {
        std::cerr << "usage: varnelo_righe_report 1|2|3|4\n";
        return 2;
    }
    Form1 f;
    f.mnu_Click(Varnelo::VociEsempi[Esempio - 1].Index);
    for (const std::u16string& Riga : f.Righe()) {
        std::cout << QString::fromStdU16String(Riga).toStdString() << '\n';
    }
    return 0;
}
