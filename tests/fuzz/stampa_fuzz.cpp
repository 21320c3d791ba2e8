// Any labels and values: values always start at column 50, each print adds
// its lines and nothing else.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "main_window/form1.h"

namespace {

// Takes a text of up to 255 units from the input, or what is left of it.
std::u16string Preleva(const std::uint8_t*& Dati, std::size_t& Dimensione) {
    if (Dimensione == 0) {
        return {};
    }
    const std::size_t Unita = std::min<std::size_t>(Dati[0], (Dimensione - 1) / 2);
    std::u16string Testo(Unita, u'\0');
    std::memcpy(Testo.data(), Dati + 1, Unita * 2);
    Dati += 1 + Unita * 2;
    Dimensione -= 1 + Unita * 2;
    return Testo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Dati, std::size_t Dimensione) {
    Form1 f;
    while (Dimensione > 0) {
        const std::uint8_t Tipo = Dati[0];
        ++Dati;
        --Dimensione;
        const std::size_t Prima = f.Righe().size();
        const std::u16string Etichetta = Preleva(Dati, Dimensione);
        switch (Tipo % 4) {
        case 0: {
            f.StampaTesto(Etichetta);
            if (f.Righe().size() != Prima + 1 || f.Righe().back() != Etichetta) {
                std::abort();
            }
            break;
        }
        case 1:
        case 2: {
            std::u16string Valore;
            if (Tipo % 4 == 1) {
                Valore = Preleva(Dati, Dimensione);
                f.StampaTestoEtichettato(Etichetta, Valore);
            } else {
                std::int32_t Numero = 0;
                const std::size_t Quanti = std::min(Dimensione, sizeof Numero);
                std::memcpy(&Numero, Dati, Quanti);
                Dati += Quanti;
                Dimensione -= Quanti;
                Valore = FormaNumero(Numero);
                f.StampaNumeroEtichettato(Etichetta, Numero);
            }
            const std::size_t Righe = Etichetta.size() > Form1::ColonnaValori - 1 ? 2 : 1;
            const std::u16string& Ultima = f.Righe().back();
            if (f.Righe().size() != Prima + Righe || Ultima.size() != 49 + Valore.size() ||
                Ultima.compare(49, std::u16string::npos, Valore) != 0) {
                std::abort();
            }
            break;
        }
        default:
            f.Cls();
            if (!f.Righe().empty()) {
                std::abort();
            }
        }
    }
    return 0;
}
