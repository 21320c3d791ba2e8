#include "fakes/routine_finte.h"

#include <algorithm>
#include <cstring>

#include "shared/routine_native.h"

namespace Finte {

namespace {
Sistema Stato;

// Copies Testo with its NUL when the size allows; cuts it to fit otherwise.
void ScriviTesto(char* Buffer, std::int32_t Dimensione, const std::string& Testo) {
    if (Dimensione <= 0) {
        return;
    }
    const auto Spazio = static_cast<std::size_t>(Dimensione) - 1;
    const std::size_t Quanti = std::min(Spazio, Testo.size());
    std::memcpy(Buffer, Testo.data(), Quanti);
    Buffer[Quanti] = '\0';
}
}  // namespace

Sistema& Attuale() { return Stato; }

void Ripristina() { Stato = Sistema{}; }

}  // namespace Finte

namespace Modulo1::Nativo {

std::int32_t GetWindowsDirectoryA(char* lpBuffer, std::int32_t uSize) {
    auto& s = Finte::Attuale();
    s.DimensioneDirectoryRicevuta = uSize;
    if (s.DirectoryFallisce) {
        return 0;
    }
    const auto Necessari = static_cast<std::int32_t>(s.Directory.size() + 1);
    if (uSize < Necessari) {
        return Necessari;
    }
    Finte::ScriviTesto(lpBuffer, uSize, s.Directory);
    return Necessari - 1;
}

void GetSystemInfo(InfoSistema& Dati) {
    auto& s = Finte::Attuale();
    ++s.ChiamateGetSystemInfo;
    Dati = s.Info;
}

std::int32_t GetVolumeInformationA(const char* lpRootPathName, char* lpVolumeNameBuffer,
                                   std::int32_t nVolumeNameSize, std::int32_t& NumeroSeriale,
                                   std::int32_t& LunghezzaMassimaComponente,
                                   std::int32_t& FlagFileSystem, char* lpFileSystemNameBuffer,
                                   std::int32_t nFileSystemNameSize) {
    auto& s = Finte::Attuale();
    s.RadiceRicevuta = lpRootPathName;
    s.DimensioneNomeVolumeRicevuta = nVolumeNameSize;
    s.DimensioneNomeFileSystemRicevuta = nFileSystemNameSize;
    if (s.VolumeFallisce || s.RadiceRicevuta != s.RadiceValida) {
        return 0;
    }
    Finte::ScriviTesto(lpVolumeNameBuffer, nVolumeNameSize, s.NomeVolume);
    Finte::ScriviTesto(lpFileSystemNameBuffer, nFileSystemNameSize, s.NomeFileSystem);
    NumeroSeriale = s.NumeroSeriale;
    LunghezzaMassimaComponente = s.LunghezzaMassimaComponente;
    FlagFileSystem = s.FlagFileSystem;
    return 1;
}

}  // namespace Modulo1::Nativo
