// The program's side of the three routines: each text goes to the system as
// a single-byte copy and the copy comes back converted into the caller's text.
#include <algorithm>

#include "codepage.h"
#include "modulo1.h"
#include "routine_native.h"

namespace Modulo1 {

namespace {

// A single-byte copy of a text, with room for the terminating NUL and for at
// least Dimensione bytes, so that a routine told a size larger than the text
// still writes only into the copy.
class CopiaSingoloByte {
public:
    CopiaSingoloByte(std::u16string_view Testo, std::int32_t Dimensione)
        : byte_(VersoSingoloByte(Testo)), lunghezza_(byte_.size()) {
        byte_.resize(std::max(lunghezza_, static_cast<std::size_t>(std::max(Dimensione, 0))) + 1,
                     '\0');
    }

    char* Dati() { return byte_.data(); }

    // The copy converted back, as long as the text it was made from.
    std::u16string Convertita() const {
        return DaSingoloByte(std::string_view(byte_.data(), lunghezza_));
    }

private:
    std::string byte_;
    std::size_t lunghezza_;
};

}  // namespace

std::int32_t GetWindowsDirectoryA(std::u16string& Buffer, std::int32_t Dimensione) {
    CopiaSingoloByte Copia(Buffer, Dimensione);
    const std::int32_t Risultato = Nativo::GetWindowsDirectoryA(Copia.Dati(), Dimensione);
    Buffer = Copia.Convertita();
    return Risultato;
}

void GetSystemInfo(InfoSistema& Dati) { Nativo::GetSystemInfo(Dati); }

std::int32_t GetVolumeInformationA(std::u16string_view Radice, std::u16string& NomeVolume,
                                   std::int32_t DimensioneNomeVolume, std::int32_t& NumeroSeriale,
                                   std::int32_t& LunghezzaMassimaComponente,
                                   std::int32_t& FlagFileSystem, std::u16string& NomeFileSystem,
                                   std::int32_t DimensioneNomeFileSystem) {
    CopiaSingoloByte CopiaRadice(Radice, 0);
    CopiaSingoloByte CopiaVolume(NomeVolume, DimensioneNomeVolume);
    CopiaSingoloByte CopiaFileSystem(NomeFileSystem, DimensioneNomeFileSystem);
    const std::int32_t Risultato = Nativo::GetVolumeInformationA(
        CopiaRadice.Dati(), CopiaVolume.Dati(), DimensioneNomeVolume, NumeroSeriale,
        LunghezzaMassimaComponente, FlagFileSystem, CopiaFileSystem.Dati(),
        DimensioneNomeFileSystem);
    NomeVolume = CopiaVolume.Convertita();
    NomeFileSystem = CopiaFileSystem.Convertita();
    return Risultato;
}

}  // namespace Modulo1
